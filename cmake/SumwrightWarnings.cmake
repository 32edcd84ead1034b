# One set of warnings for every target of ours, tests, benchmarks and fuzz targets included.
# CI turns them into errors (SUMWRIGHT_WERROR=ON in its environment reaches every build it
# configures); a developer's build only shows them.
if(DEFINED ENV{SUMWRIGHT_WERROR})
    set(_werror_default $ENV{SUMWRIGHT_WERROR})
else()
    set(_werror_default OFF)
endif()
option(SUMWRIGHT_WERROR "Treat compiler warnings as errors" ${_werror_default})

add_library(sumwright_warnings INTERFACE)
target_compile_options(sumwright_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations
    $<$<BOOL:${SUMWRIGHT_WERROR}>:-Werror>)
