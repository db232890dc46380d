# Batch runs of the normwise program: one line each (script, exit code, expected texts).
function(normwise_cli_test name script expected_exit)
  add_test(NAME cli.normwise.${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/cli/run_cli_test.sh $<TARGET_FILE:normwise> ${LAVIX_PROGRAMFOLDER_SOURCE}
                   ${script} ${expected_exit} --beside "normwise-*" ${ARGN})
  set_tests_properties(cli.normwise.${name} PROPERTIES LABELS batch ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

normwise_cli_test(norms ${PROJECT_SOURCE_DIR}/examples/normwise-norms.nwb 0
  "sample	THOL-1"
  "inpt(24)	99.09"
  "txtTempin	1150"
  "file: save Text files (*.TXT)|*.TXT|All files (*.*)|*.*|"
  "normwise-norms-report.txt::CIPW Weight Norm"
  "normwise-norms-report.txt::CIPW Mole Norm"
  "normwise-norms-report.txt::Sample name: THOL-1")
normwise_cli_test(unknown_control ${CMAKE_CURRENT_SOURCE_DIR}/scripts/errors.nwb 2 "error: unknown control nosuchbutton")
normwise_cli_test(unanswered ${CMAKE_CURRENT_SOURCE_DIR}/scripts/unanswered.nwb 3 "error:")
normwise_cli_test(viscosity ${CMAKE_CURRENT_SOURCE_DIR}/scripts/viscosity.nwb 0
  "message: Volume fraction is very large! Lower it to 50%"
  "print: NormWise report")
