# The one list of library functions: the headings of the golden-vector file, which
# tools/golden_vectors.py writes from its formula table ("# Planix::Area::Circle(r): ...").
# Writes into FOLDER:
#   formulas.inc     FORMULA(Planix::Area::Circle) a line, for the test and benchmark programs
#   planix.symbols   the functions each library must export, with their parameter types
#   solidix.symbols
function(shapecalc_formula_list folder)
    set(source ${PROJECT_SOURCE_DIR}/tests/golden/formulas.txt)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} headings REGEX "^# (Planix|Solidix)::[A-Za-z0-9_]+::[A-Za-z0-9_]+\\(")
    set(from "Written from tests/golden/formulas.txt (tools/golden_vectors.py's formula table).")
    set(calls "// ${from}\n")
    set(planix "# ${from}\n")
    set(solidix "# ${from}\n")
    foreach(heading IN LISTS headings)
        string(REGEX MATCH "^# ((Planix|Solidix)::([A-Za-z0-9_]+)::[A-Za-z0-9_]+)\\(([^)]*)\\)"
               _ "${heading}")
        set(name ${CMAKE_MATCH_1})
        set(library ${CMAKE_MATCH_2})
        set(class ${CMAKE_MATCH_3})
        string(REGEX REPLACE "[A-Za-z0-9_]+" "double" types "${CMAKE_MATCH_4}")
        string(TOLOWER ${library} lower)
        string(APPEND ${lower} "${name}(${types})\n")
        # A compiler error on this line names the files that lack the function.
        string(APPEND calls "FORMULA(${name})  "
               "// declared in ${library}/include/${library}/${library}.hpp, "
               "defined in ${library}/src/${class}.cpp\n")
    endforeach()
    file(CONFIGURE OUTPUT ${folder}/formulas.inc CONTENT "${calls}" @ONLY)
    file(CONFIGURE OUTPUT ${folder}/planix.symbols CONTENT "${planix}" @ONLY)
    file(CONFIGURE OUTPUT ${folder}/solidix.symbols CONTENT "${solidix}" @ONLY)
endfunction()
