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
# ATAC-4: SiO2 57.28 x 100 / 99.1603 recast; Si/K = (57.28 / 60.083) / (2 x 0.76 / 94.1956); Eu* =
# 0.058 sqrt((2.45 / 0.153)(2.3 / 0.2055)).
lavix_cli_test(recalc recalc.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 35 columns"
  "status: Full page /nm100 (SiO2 TiO2 Al2O3 Fe2O3 MnO MgO CaO Na2O K2O P2O5 recast to 100)"
  "1	1	57.76505	0.7664358	0"
  "feLabel	T= 1200 fo2= -8"
  "pearceDone	1"
  "FeO{t}	Si/K	(Fe+Mg)/K"
  "Eu*	Ce*	Nb*	Density	Viscosity	Eu/Eu*"
  "0.512854	 7.694918	 59.07972	"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 58 columns")
