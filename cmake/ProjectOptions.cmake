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

# Debian's own build flags, as dpkg-buildflags gives them with every hardening feature on:
# fortified functions, stack protector, read-only relocations bound at start (relro, bindnow).
# The Debian package is built with them (build.sh package); _FORTIFY_SOURCE comes with -O2.
option(KESTRELMARK_DEBIAN_BUILD_FLAGS "Build with Debian's hardened flags from dpkg-buildflags" OFF)
if(KESTRELMARK_DEBIAN_BUILD_FLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                dpkg-buildflags --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(debian_${kind} UNIX_COMMAND "${flags}")
    endforeach()
    target_compile_options(project_options INTERFACE ${debian_CPPFLAGS} ${debian_CXXFLAGS})
    target_link_options(project_options INTERFACE ${debian_LDFLAGS})
endif()
