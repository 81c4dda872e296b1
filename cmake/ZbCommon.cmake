# One place for the compile settings every target of the project shares.
add_library(zb_common INTERFACE)
target_compile_features(zb_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(zb_common INTERFACE -Wall -Wextra -Wpedantic)
if(ZB_WERROR)
  target_compile_options(zb_common INTERFACE -Werror)
endif()
if(ZB_SANITIZE)
  target_compile_options(zb_common INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(zb_common INTERFACE -fsanitize=address,undefined)
endif()
if(ZB_FUZZ)
  # Coverage for libFuzzer in every target; the fuzz targets add the fuzzer runtime themselves.
  target_compile_options(zb_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(zb_common INTERFACE -fsanitize=address,undefined)
endif()
# The Qt layer follows Qt's strict string and connection rules.
set(ZB_QT_DEFINITIONS QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
