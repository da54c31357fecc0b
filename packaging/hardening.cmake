# Debian's hardening flags (dpkg-buildflags "hardening=+all" for C++) in the
# optimised builds the package is made from: fortified library calls, a
# strong stack protector, read-only relocations bound at start-up and
# position-independent executables.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(chromanick_optimised "$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>")
add_compile_options(
    "$<${chromanick_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    "$<${chromanick_optimised}:-fstack-protector-strong>"
    "$<${chromanick_optimised}:-fstack-clash-protection>"
    "$<${chromanick_optimised}:-Wformat;-Werror=format-security>"
)
add_link_options("$<${chromanick_optimised}:LINKER:-z,relro,-z,now>")
