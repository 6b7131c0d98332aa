# VELOX_SANITIZE=address,undefined or VELOX_SANITIZE=thread, applied to everything.
if(VELOX_SANITIZE)
  add_compile_options(-fsanitize=${VELOX_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=${VELOX_SANITIZE})
endif()
