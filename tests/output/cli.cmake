# Batch runs of the output commands: metafiles checked through wmf2svg, transcripts of printing and copying.
function(lavix_output_wmf_test name script wmf)
  add_test(NAME output.${name}
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wmf_check.sh $<TARGET_FILE:lavix> ${LAVIX_PROGRAMFOLDER_SOURCE}
                   ${CMAKE_CURRENT_SOURCE_DIR}/scripts/${script} ${wmf})
  set_tests_properties(output.${name} PROPERTIES LABELS batch SKIP_RETURN_CODE 77
                                                 ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

lavix_output_wmf_test(export_wmf export_wmf.lvb exported.wmf)
lavix_output_wmf_test(save_diag save_diag.lvb saved.wmf)
lavix_batch_test(output print_and_copy print_and_copy.lvb 0
  "message: Send current page to printer?\\nAnswer YES if page is complete.  Answer NO to leave page open for more plots"
  "/page open"
  "print: page landscape, 2 diagrams"
  "clipboard: picture (wmf, svg, png)"
  "file: save Windows MetaFiles (*.wmf)|*.wmf| | name: *.wmf"
  "message: No file name, exiting")
lavix_batch_test(output print_pages print_pages.lvb 0 "labStatus	Portrait full page " ! "labStatus	Portrait full page /page open")
