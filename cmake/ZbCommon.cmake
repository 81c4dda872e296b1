# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the compile settings every target of the project shares.
add_library(zb_common INTERFACE)
target_compile_features(zb_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(zb_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
                                            -Woverloaded-virtual)
# GCC 12 at -O2/-O3 reports impossible overlapping copies inside std::string's own
# concatenation (GCC bug 105329); the warning says nothing about our code there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(zb_common INTERFACE -Wno-restrict)
endif()
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
# Release builds get Debian's hardening, as dpkg-buildflags gives it: checked string and memory
# functions, stack protection and a read-only relocation table bound at start. The build's
# own folders leave no trace in the program, so two builds of one commit give the same bytes.
if(NOT ZB_SANITIZE AND NOT ZB_FUZZ)
  set(zb_release "$<CONFIG:Release>")
  target_compile_options(zb_common INTERFACE
    "$<${zb_release}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong;-Wformat;-Werror=format-security>"
    "$<${zb_release}:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=.>")
  target_link_options(zb_common INTERFACE "$<${zb_release}:LINKER:-z,relro;LINKER:-z,now>")
endif()
