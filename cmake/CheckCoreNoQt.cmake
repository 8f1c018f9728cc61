# Fails the build when a core source includes a Qt header: the core must stay standard C++ only.
file(GLOB_RECURSE sources "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(f IN LISTS sources)
    file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|qt[A-Za-z]*/)")
    if(hits)
        message(FATAL_ERROR "core source ${f} includes Qt: ${hits}")
    endif()
endforeach()
