# Short runs of the fuzz targets from CTest. The targets need clang and libFuzzer, so they
# are built by a fixture into a build of their own (BUILD/fuzz) rather than by this build.
set(fuzz_run ${CMAKE_CURRENT_LIST_DIR}/run)
set(fuzz_build ${PROJECT_BINARY_DIR}/fuzz)
add_test(NAME fuzz.build COMMAND ${fuzz_run} build ${fuzz_build})
set_tests_properties(fuzz.build PROPERTIES FIXTURES_SETUP fuzz TIMEOUT 900)
foreach(target store time-text catalog)
    add_test(NAME fuzz.${target} COMMAND ${fuzz_run} target ${fuzz_build} ${target} 10)
    set_tests_properties(fuzz.${target} PROPERTIES FIXTURES_REQUIRED fuzz TIMEOUT 120)
endforeach()
