# Debian's hardening flags, taken from dpkg-buildflags with every hardening feature on: stack
# protector, _FORTIFY_SOURCE, format checks, read-only relocations and immediate binding. The
# build type keeps choosing -O and -g. Newer dpkg adds stack-clash and control-flow protection
# on amd64; Debian 12's does not, so they are added here. On Debian 12 the linked program still
# carries no control-flow protection note, since the C start-up files it is linked with carry
# none (the package test leaves that check out); the flag stays so that our own code is built
# with its landing pads, and the same build files give a protected binary wherever the system's
# start-up files are built with it too. Position-independent executables come from CMake. None
# of these flags touches floating-point arithmetic.
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                dpkg-buildflags --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()

include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "has${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
        add_compile_options(${flag})
    endif()
endforeach()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
