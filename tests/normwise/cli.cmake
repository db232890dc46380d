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
  "window: inputNormwise" "message: Volume fraction is very large! Lower it to 50%"
  "~~  > @dump fields\\ntitle\\tEnter data%\\nprompt\\(1\\)\\tave size of xtals in mm \\(<=2mm!\\)\\nentry\\(1\\)\\t1\\nprompt\\(2\\)\\t% Plagioclase\\nentry\\(2\\)\\t60\\n"
  "print: NormWise report")

# The form, one script each (tests/normwise/scripts, its files/ beside it); "~^name	$" is an empty field.
set(nw ${CMAKE_CURRENT_SOURCE_DIR}/scripts)
normwise_cli_test(read_files ${nw}/read_files.nwb 0
  "message: File not found Check file!"
  "inpt(0)	51" "menuSample	0"
  "sample	B-2" "inpt(0)	47.10" "inpt(5)	0.19" "inpt(23)	0.00" "menuSample	1" "psam(2)	B-2"
  "psam(1)	noname" "~^inpt\\(0\\)	$")
normwise_cli_test(calculate ${nw}/calculate.nwb 0
  "inpt(24)	98.64" "txtTempin	1200" "txtMgratio	 0.595" "txtTemp	 1200.4" "txtDensity	 2.71" "~^txtEVisc	$"
  "Option2	1" "outpt(32)	98.64" "outpt(32)	100.00"
  "txtPress	2" "~^txtDensity	$" "~^txtDI	$" "~^outpt\\(9\\)	$" "~^inpt\\(24\\)	$")
normwise_cli_test(refusals ${nw}/refusals.nwb 0 "sample	B-1" "outpt(32)	98.64")
normwise_cli_test(small_total ${nw}/small_total.nwb 0 "inpt(0)	9.99" "~^inpt\\(24\\)	$" "~^txtTempin	$" ! "~^outpt\\([0-9]+\\)	.")
normwise_cli_test(iron_switch ${nw}/iron_switch.nwb 0
  "inpt(3)	2.50" "inpt(4)	8.25" "CheckFe	1" "inpt(3)	5.0" "~^inpt\\(4\\)	6$" "CheckFe	0"
  "~^inpt\\(3\\)	2$" ! "inpt(24)	99")
normwise_cli_test(total_iron ${nw}/total_iron.nwb 0
  "inpt(4)	11.84" "outpt(11)	3.15" "outpt(9)	20.05" "~^outpt\\(0\\)	$"
  "inpt(4)	8.83" "inpt(3)	3.35" "outpt(0)	2.67" "outpt(13)	4.86")
normwise_cli_test(report ${nw}/report.nwb 0
  "file: save Text files (*.TXT)|*.TXT|All files (*.*)|*.*|" "message: Path/File access error Check file!"
  "report.txt::Sample name: B-1" "report.txt::CIPW Weight Norm" "report.txt::Sample name: B-2" "report.txt::CIPW Mole Norm")
normwise_cli_test(stale_results ${nw}/stale_results.nwb 0
  "txtTemp	 1200.4" "~^txtEVisc	 +[0-9]" "~^txtTemp	$" "~^txtEVisc	$"
  "fresh.txt::Liquid Density= not computed Rock Density = not computed"
  "fresh.txt::Basalt Liq Temp= not computed Log visc poises= not computed Eff. visc= not computed "
  "report.txt::Sample name: B-2" "report.txt::~~Basalt Liq Temp= not computed \\(SiO2 outside 48-53\\) Log visc poises=[0-9]"
  "report.txt::Eff. visc= not computed " ! "report.txt::1200.4")
normwise_cli_test(quiet_viscosity ${nw}/quiet_viscosity.nwb 0 "window: inputNormwise" "~^txtEVisc	$" ! "message:")
normwise_cli_test(unknown_sample ${nw}/unknown_sample.nwb 2 "error: unknown item B-9 of psam")
normwise_cli_test(unknown_box ${nw}/unknown_box.nwb 2 "error: inpt has no such entry")
