# lavix_cli_test(NAME SCRIPT EXIT_CODE [--rm PATH] TEXT... [! TEXT])
lavix_cli_test(open_example open_example.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns"
  "SAMPLE	Kcode	SiO[2]	TiO[2]"
  "ATAC-4	1	57.28	0.67")
lavix_cli_test(merge merge.lvb 0
  "title: Lavix merged files    111 rows by 34 columns"
  "X-2	3	51	")
lavix_cli_test(refusals refusals.lvb 0
  "message: Use translate.exe to convert this old file to a usable format"
  "message: A space delimited file is not readable by Lavix"
  "File not found\\nOpen a valid file"
  "mLastFile1	default")
lavix_cli_test(stops stops.lvb 0
  "message: blank line found in file"
  "message: Overflow Error# 6"
  "title: Lavix stops.txt   2 rows by 2 columns")
lavix_cli_test(missing_page missing_page.lvb 0 --rm Controls/page.txt
  "message: Find a path\\file for page.txt |*.txt|"
  "file: open page.txt |*.txt|")
lavix_cli_test(unknown_control script_errors.lvb 2 "error:")
lavix_cli_test(unanswered unanswered.lvb 3 "error:")
lavix_cli_test(unused_answer unused_answer.lvb 3 "error:")
lavix_cli_test(reset reset.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns"
  "message: The data matrix has 32767 analyses (rows) and 200 elements (columns) .  Redimensioning removes all existing rock or mineral data. Do you wish to proceed?"
  "numbers: Reset data matrix | # of rows (analyses) = 32767 | # of columns (elements) = 200")
lavix_cli_test(dumps dumps.lvb 2
  "diagramKind	"
  "plotRowCount	0"
  "row	symbol	x	y	z"
  "error: unknown dump nonsense")
lavix_cli_test(read_filter read_filter.lvb 0 --cp files/lxpref-filter.ini Controls/lxpref.ini
  "message: Apply a filter while reading this data file? | title: Read Filter"
  "numbers: Upper and lower limits of SiO2 | Min value of SiO2 = 57.28 | Max value of SiO2 = 66.75"
  "title: Lavix atacazo-ninahuilca.txt   32 rows by 34 columns"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns")
lavix_cli_test(calculator calculator.lvb 0
  "xTitle	(Rb/Sr)"
  "xLog	1"
  "xStart	-2"
  "yTitle	(SIO2+AL2O3)/2"
  "yStart	36"
  "yNumberFormat	#0"
  "1	1	-1.469976	36.89	0"
  "mLastFile1	")
lavix_cli_test(no_data no_data.lvb 0 "message: Read a File first" "diagramKind	")
lavix_cli_test(identify identify.lvb 0
  "labStatus	 ATAC-4"
  "input: Type label in text box."
  "frameLeft	1500"
  "diagramKind	XY")
lavix_cli_test(enter_data enter_data.lvb 0
  "window: blank"
  "lblInfo(1)	Enter new data using arrow keys, click, double click and Enter. Click Save when done."
  "cursor	2 1"
  "Sample	SiO[2]	Rb"
  "S-1	50.5	12"
  "S-2	61.25	")
lavix_cli_test(modify_data modify_data.lvb 0
  "ATAC-4	1	57.3	0.67"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns")
lavix_cli_test(print_table print_table.lvb 0
  "lblInfo(1)	For each field enter the number of decimal places."
  "sgrid(1,2)	2"
  "buttons: Select output device | Screen | TextFile | Quit"
  "print: Print a table"
  "Sample        A-1           B-22"
  "SiO2             50.1           7.5"
  "Rb               12.00"
  "Total            62.12          7.50"
  "Total           103.25")
lavix_cli_test(preferences preferences.lvb 0 --then preferences_after.lvb
  "ffo1	1"
  "yax2	1"
  "Optionh	1"
  "winscale	0.75"
  "yLabelOrientation	-1"
  "largeXTickEvery	5"
  "Controls/lxpref.ini::/Data Files\""
  "Controls/lxpref.ini::4000"
  ! "message: Set the default directory")
