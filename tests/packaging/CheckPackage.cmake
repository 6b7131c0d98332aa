# Builds the Debian package of the build in BUILD_DIR into a folder of its
# own and checks what it holds: the launcher, the program, the desktop
# entry, the metainfo, the icons and the manual page, and dependencies found
# from the shared libraries.
#
#   cmake -DCPACK_COMMAND=cpack -DBUILD_DIR=build/debug -P CheckPackage.cmake
set(out ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out})
execute_process(
  COMMAND ${CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${out}
  RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()

execute_process(COMMAND dpkg --print-architecture
  OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
file(GLOB packages ${out}/*.deb)
file(STRINGS ${BUILD_DIR}/CPackConfig.cmake version_line REGEX "^set\\(CPACK_PACKAGE_VERSION ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" version "${version_line}")
set(package ${out}/veloxcd_${version}_${arch}.deb)
if(NOT packages STREQUAL package)
  message(FATAL_ERROR "expected ${package}, made: ${packages}")
endif()

execute_process(COMMAND dpkg-deb -c ${package} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dpkg-deb cannot list ${package}")
endif()
foreach(expected
    ./usr/bin/veloxcd
    ./usr/bin/velox-catalogue
    ./usr/bin/velox-handheld
    ./usr/lib/veloxcd/VeloxCD
    ./usr/lib/veloxcd/TANLINK.OCX
    ./usr/lib/veloxcd/libtandemengine.so
    ./usr/lib/veloxcd/korainst.exe
    ./usr/lib/veloxcd/regsvr
    ./usr/lib/veloxcd/libvelox-sound.so
    ./usr/lib/veloxcd/libvelox-print.so
    ./usr/share/veloxcd/veloxcd.db
    ./usr/share/veloxcd/demo-cd/Pictures/LanguageFalcon.gif
    ./usr/share/applications/org.veloxcd.VeloxCD.desktop
    ./usr/share/metainfo/org.veloxcd.VeloxCD.metainfo.xml
    ./usr/share/icons/hicolor/48x48/apps/org.veloxcd.VeloxCD.png
    ./usr/share/icons/hicolor/64x64/apps/org.veloxcd.VeloxCD.png
    ./usr/share/icons/hicolor/128x128/apps/org.veloxcd.VeloxCD.png
    ./usr/share/icons/hicolor/256x256/apps/org.veloxcd.VeloxCD.png
    ./usr/share/man/man1/veloxcd.1.gz)
  string(FIND "${listing}" " ${expected}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${package} lacks ${expected}:\n${listing}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -f ${package} Depends OUTPUT_VARIABLE depends)
foreach(library libc6 libqt6widgets6 libgif7)
  if(NOT depends MATCHES "(^|, )${library}( |,|$)")
    message(FATAL_ERROR "the dependencies lack ${library}: ${depends}")
  endif()
endforeach()
file(REMOVE_RECURSE ${out})
message(STATUS "${package}: ${depends}")
