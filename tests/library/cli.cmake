# Batch runs of the library commands, with the test records of tests/data/library in the folder.
set(LAVIX_LIBRARY_RECORDS ${PROJECT_SOURCE_DIR}/tests/data/library)
function(lavix_library_cli_test name script expected_exit)
  add_test(NAME cli.${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tests/cli/run_cli_test.sh $<TARGET_FILE:lavix> ${LAVIX_PROGRAMFOLDER_SOURCE}
                   ${CMAKE_CURRENT_SOURCE_DIR}/scripts/${script} ${expected_exit} --tree ${LAVIX_LIBRARY_RECORDS} ${ARGN})
  set_tests_properties(cli.${name} PROPERTIES LABELS batch ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

lavix_library_cli_test(library library.lvb 0
  "list: Select diagram |  TAS                 Total alkali-silica diagram of volcanic rocks"
  "librarySequence	YES" "libraryName	TAS" "diagramNote	Le Bas et al. (1986)"
  "fieldPointCount	39" "fieldLabelCount	15" "newx	Next diag" "Legend	Legend"
  "message: 109 of 109 samples lie in a field of TAS; their field names are in the column TAS."
  "legendLoaded	1" "legendPosition	3" "legendCount	3" "libraryName	TAS-anhydrous"
  "tas.svg::>Foidite<" "legend.svg::>Ninahuilca<" ! "legend.svg::>Not in the data<")
lavix_library_cli_test(projections projections.lvb 0
  "buttons: Set the Ferric/Ferrous ratio (Sack et al.,1980) | Reset this ratio | Leave it unchanged"
  "diagramFamily	CDIAGS" "libraryDiagramCount	3" "diagramNote	Walker et al. (1979)  T= 1200 fo2= -8"
  "feRatioMode	R" "message: OPX_ATA non-quad. comps.= 4.5  OK  " "diagramFamily	MDIAGS"
  "libraryDiagramCount	2" "cmas.svg::>Di<")
lavix_library_cli_test(library_refusals refusals.lvb 0
  "message: Read a File first"
  "message: Diagram file cut.txt, diagram Cut: the record runs past the end of the file"
  "message: Diagram file cut.txt holds no diagrams"
  "message: Classify samples works on a diagram of the library: choose one with Plot, Diagram first."
  "libraryRecordCount	0")
