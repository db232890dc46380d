# Batch runs of the mixing program over a fresh copy of the program folder.
function(mixing_cli_test name script expected_exit)
  add_test(NAME cli.mixing.${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/cli/run_cli_test.sh $<TARGET_FILE:mixing> ${LAVIX_PROGRAMFOLDER_SOURCE}
                   ${script} ${expected_exit} ${ARGN})
  set_tests_properties(cli.mixing.${name} PROPERTIES LABELS batch ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

mixing_cli_test(fc_example ${PROJECT_SOURCE_DIR}/examples/mixing-fc.mxb 0
  "pcFile	andesite.PC.txt"
  # The shipped table has gaps: read as 0, and said so.
  "~^message: [0-9]+ cells are empty or not numbers: they read as Kd = 0, the mineral taking none of the element\\.\\\\nLA in ZIRC: missing"
  "rockFile	mixing-atacazo-lavas.txt   N= 3"
  "mineralFile	mixing-atacazo-minerals.txt   N= 4"
  "status: parent is   ATAC-4"
  "  0.072   14.1     OPX_ATA"
  "mixing-fc-report.txt:: Sum of squares of residuals= 0.295"
  "  0.485            ATAC-58 Daughter(D)"
  " Sum of squares of residuals= 0.295"
  "  ATAC-58(D)  F=0.485"
  "file: save Text Files (*.txt)|*.txt| | title: Select file for text output"
  "title: Select datafile | name: Correctedmixing-atacazo-lavas.txt"
  "status: data saved"
  "status: daughter is NINA-54"
  "Sample	Jcode	Kcode	Lcode	SiO2	TiO2	Al2O3	FeO	MgO	CaO	Na2O	K2O	dum	LA	CE"
  # Pr was not analysed: its cell stays empty rather than claiming 0.
  "ATAC-4	0	1	0	57.92	0.68	16.68	7.72	5.48	7.2	3.56	0.77	0.0	6.7	15.2		"
  # corr twice: one header and the same row twice
  "Data Files/Corrected-atacazo.txt::~~\\A(Sample\\tJcode[^\\r\\n]*)\\r\\n(ATAC-4\\t0\\t1\\t0\\t57.92\\t[^\\r\\n]*)\\r\\n\\2\\r\\n\\z"
  ! "error:")

# The main window's commands, one script each (tests/mixing/scripts, its files/ beside it).
set(mx ${CMAKE_CURRENT_SOURCE_DIR}/scripts)
mixing_cli_test(order ${mx}/order.mxb 0 ! "OPX 1 not matched")
mixing_cli_test(reruns ${mx}/reruns.mxb 0
  "pcFile	andesite.PC.txt"
  "  The Parent magma(P) is  NINA-54        "
  "print: mixing")
mixing_cli_test(twins ${mx}/twins.mxb 0 "  0.114   24.0     CPX_ATA" " -0.038   21.3     CPX_ATA")
mixing_cli_test(viewpc ${mx}/viewpc.mxb 2 "~^report	Partition Coefficients"
  "~^Partition Coefficients$" "~^         OL    OPX" "~^LA    0.02   0.09 " "~^  Weights for each oxide$" "~^  K2O    1.00$"
  "pcFile	andesite.PC.txt" "error: window Main is closed")
mixing_cli_test(redimension ${mx}/redimension.mxb 0
  "rockFile	mixing-atacazo-lavas.txt   N= 3" "matrixSize	Matrix is 500 by 120"
  "~^rockFile	$" "~^mineralFile	$" "matrixSize	Matrix is 1000 by 80")
