# Debian's hardening flags, as dpkg-buildflags gives them with hardening=+all: fortified functions,
# the stack protector, format checks, read-only relocations and immediate binding. On by default for
# every build of the programs; the sanitizer and fuzz builds bring their own instrumentation.
option(ZARVEX1_HARDENING "Build with Debian's hardening flags" ON)

if(ZARVEX1_HARDENING AND NOT ZARVEX1_SANITIZE AND NOT ZARVEX1_FUZZ AND NOT MSVC)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # Fortified functions need the optimizer; a Debug build would only warn about it.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    if(NOT WIN32 AND NOT APPLE)
        add_link_options(-Wl,-z,relro -Wl,-z,now)
    endif()
    # Position-independent programs, as Debian's compiler makes them by default.
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
