# Flags shared by every target of the project.
#
# The formulas must give the same doubles on every build: each operation is rounded to double
# in the written order, so multiply-add is never contracted into FMA and no fast-math
# reassociation is allowed, whatever optimisation or -march a builder adds. Calls into the shared
# libraries are bound at load time anyway, so they go straight through the GOT (-fno-plt).
function(shapecalc_set_flags target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /fp:precise)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math -fno-plt)
    endif()
endfunction()
