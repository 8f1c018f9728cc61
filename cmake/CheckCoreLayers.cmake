# Fails when a core source includes a Qt header (the core stays standard C++ only), when a file of
# a layer includes from a layer above it, or when a lower layer names Program (the composition
# root above them all). Run on every build and as a test:
#   cmake -DCORE_DIR=src/core -P cmake/CheckCoreLayers.cmake
# The layers, bottom up. A file may include from its own layer and from those below it.
set(layers base geometry model expr files contour nc view commands app batch)
# Layers that must stand without the program: no Program in them at all.
set(standalone base geometry model expr files contour)
# Layers already kept by the check (the rest are still being separated).
set(checked base geometry model expr contour)

set(failures "")
foreach(layer IN LISTS checked)
    list(FIND layers ${layer} rank)
    file(GLOB_RECURSE sources "${CORE_DIR}/${layer}/*.h" "${CORE_DIR}/${layer}/*.cpp")
    foreach(f IN LISTS sources)
        file(STRINGS "${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
        foreach(inc IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${inc}")
            list(FIND layers ${target} target_rank)
            if(target_rank GREATER rank OR target_rank EQUAL -1)
                list(APPEND failures "${f}: ${layer} may not include from ${target}")
            endif()
        endforeach()
        list(FIND standalone ${layer} alone)
        if(NOT alone EQUAL -1)
            # The type, not a word in a string or a comment.
            file(STRINGS "${f}" named REGEX "(^|[^A-Za-z_])Program([^A-Za-z_]|$)")
            foreach(line IN LISTS named)
                string(REGEX REPLACE "\"([^\"\\\\]|\\\\.)*\"" "" code "${line}")
                string(REGEX REPLACE "//.*$" "" code "${code}")
                if(code MATCHES "(^|[^A-Za-z_])Program([^A-Za-z_]|$)")
                    list(APPEND failures "${f}: ${layer} names Program: ${line}")
                endif()
            endforeach()
        endif()
    endforeach()
endforeach()

file(GLOB_RECURSE all "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(f IN LISTS all)
    file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|qt[A-Za-z]*/)")
    if(hits)
        list(APPEND failures "${f}: the core includes Qt: ${hits}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
