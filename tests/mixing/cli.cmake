# Batch runs of the mixing program over a fresh copy of the program folder.
function(mixing_cli_test name script expected_exit)
  add_test(NAME cli.mixing.${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/cli/run_cli_test.sh $<TARGET_FILE:mixing> ${LAVIX_PROGRAMFOLDER_SOURCE}
                   ${script} ${expected_exit} ${ARGN})
  set_tests_properties(cli.mixing.${name} PROPERTIES LABELS batch ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

mixing_cli_test(fc_example ${PROJECT_SOURCE_DIR}/examples/mixing-fc.mxb 0
  "pcFile	andesite.PC.txt"
  "rockFile	mixing-atacazo-lavas.txt   N= 3"
  "mineralFile	mixing-atacazo-minerals.txt   N= 4"
  "status: parent is   ATAC-4"
  "  0.485            ATAC-58 Daughter(D)"
  " Sum of squares of residuals= 0.295"
  "  ATAC-58(D)  F=0.485"
  "file: save Text Files (*.txt)|*.txt| | title: Select file for text output"
  "title: Select datafile | name: Correctedmixing-atacazo-lavas.txt"
  "status: data saved"
  "status: daughter is NINA-54"
  "Sample	Jcode	Kcode	Lcode	SiO2	TiO2	Al2O3	FeO	MgO	CaO	Na2O	K2O	dum	LA	CE"
  "ATAC-4	0	1	0	57.92	0.68	16.68	7.72	5.48	7.2	3.56	0.77	0.0	6.7	15.2"
  ! "error:")
