# Flags shared by every target of the project.
#
# The formulas must give the same doubles on every build: each operation is rounded to double
# in the written order, so multiply-add is never contracted into FMA and no fast-math
# reassociation is allowed, whatever optimisation or -march a builder adds. Target options come
# after CMAKE_CXX_FLAGS and the CMAKE_*_LINKER_FLAGS on the command lines, so they win over a
# packager's -ffast-math, -funsafe-math-optimizations or -ffp-contract=fast.
#
# The link line matters as much: given -ffast-math, -funsafe-math-optimizations or -Ofast, GCC
# and clang link a start-up file that switches on flush-to-zero and denormals-are-zero for the
# whole process that loads a library or runs the program. The negative options keep it out; an
# -Ofast anywhere in the flags is answered by a later -O3 (the same optimisation level), since no
# negative option cancels it. Calls into the shared libraries are bound at load time anyway, so
# they go straight through the GOT (-fno-plt).
set(SHAPECALC_STRICT_FP_OPTIONS
    -ffp-contract=off -fno-fast-math -fno-unsafe-math-optimizations -fno-associative-math
    -fno-reciprocal-math -fno-finite-math-only -fsigned-zeros)
set(SHAPECALC_STRICT_FP_LINK_OPTIONS -fno-fast-math -fno-unsafe-math-optimizations)

string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
set(builder_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}} ${CMAKE_SHARED_LINKER_FLAGS} \
${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_SHARED_LINKER_FLAGS_${build_type}} \
${CMAKE_EXE_LINKER_FLAGS_${build_type}}")
if(builder_flags MATCHES "(^| )-Ofast( |$)")
    list(PREPEND SHAPECALC_STRICT_FP_OPTIONS -O3)
    list(PREPEND SHAPECALC_STRICT_FP_LINK_OPTIONS -O3)
endif()

# An ELF library or program names only the shared libraries it uses (--as-needed): the formula
# libraries use nothing of the C++ runtime, and with LLVM's libc++ GNU ld would otherwise keep
# libc++, libc++abi and libunwind as their dependencies and, since those define __bss_start, _edata
# and _end, export the three from the libraries beside the formulas.
if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    include(CheckLinkerFlag)
    check_linker_flag(CXX "LINKER:--as-needed" SHAPECALC_LINK_AS_NEEDED)
endif()

# Every target of the project sees the headers shared by the deliverables' sources (common/).
function(shapecalc_set_flags target)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/common)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /fp:precise)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic ${SHAPECALC_STRICT_FP_OPTIONS} -fno-plt
            $<$<BOOL:${SHAPECALC_PEDANTIC_ERRORS}>:-pedantic-errors>)
        target_link_options(${target} PRIVATE ${SHAPECALC_STRICT_FP_LINK_OPTIONS})
        if(SHAPECALC_LINK_AS_NEEDED)
            target_link_options(${target} PRIVATE "LINKER:--as-needed")
        endif()
    endif()
endfunction()
