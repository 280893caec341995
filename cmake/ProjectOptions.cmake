# SPDX-License-Identifier: MIT
# Warnings and sanitizers as INTERFACE targets that every target of the project links.

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Werror -Wpedantic
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow)

add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)

option(KESTRELMARK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KESTRELMARK_SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds a static library for one part of the program from the sources named after its name.
function(kestrelmark_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC project_options PRIVATE project_warnings)
endfunction()
