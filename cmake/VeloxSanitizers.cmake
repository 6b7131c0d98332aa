# VELOX_SANITIZE=address,undefined or VELOX_SANITIZE=thread, applied to
# everything but the tools the build itself runs (velox_build_tool).
if(VELOX_SANITIZE)
  add_compile_options(-fsanitize=${VELOX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=${VELOX_SANITIZE})
endif()

# A program run as a step of the build: it is built without sanitizers, so a
# report about it (or about the libraries it uses, which are not built with
# them) cannot stop the build. The tests check our code, not these steps.
function(velox_build_tool target)
  foreach(property COMPILE_OPTIONS LINK_OPTIONS)
    get_target_property(options ${target} ${property})
    if(options)
      list(FILTER options EXCLUDE REGEX "^-f(no-)?sanitize")
      set_property(TARGET ${target} PROPERTY ${property} ${options})
    endif()
  endforeach()
endfunction()
