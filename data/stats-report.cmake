# Prints the stats report of one sentence file during the build and records it in REPORT.
# A report that cannot be made is told but never fails the build: it only informs the authors.
# cmake -DTOOL=<brevion-data> -DKEY=<NN> -DSOURCE=<NN.txt> -DREPORT=<NN.stats.txt> -P stats-report.cmake
execute_process(COMMAND ${TOOL} stats ${KEY} ${SOURCE}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE report
  ERROR_VARIABLE problem)
if(NOT result EQUAL 0)
  set(report "brevion-data stats ${KEY} ${SOURCE} failed (${result}): ${problem}\n")
endif()
file(WRITE ${REPORT} "${report}")
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${REPORT})
