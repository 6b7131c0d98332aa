# Warnings that every target of the project is built with.
add_library(velox_warnings INTERFACE)
target_compile_options(velox_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wformat=2
  $<$<BOOL:${VELOX_WERROR}>:-Werror>)
