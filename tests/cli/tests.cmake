# lavix_batch_test(cli NAME SCRIPT EXIT_CODE ...): see tests/CMakeLists.txt
lavix_batch_test(cli open_example open_example.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns"
  "SAMPLE	Kcode	SiO[2]	TiO[2]"
  "ATAC-4	1	57.28	0.67")
lavix_batch_test(cli merge merge.lvb 0
  "title: Lavix merged files    111 rows by 34 columns"
  "X-2	3	51	")
lavix_batch_test(cli refusals refusals.lvb 0
  "message: Use translate.exe to convert this old file to a usable format"
  "message: A space delimited file is not readable by Lavix"
  "File not found\\nOpen a valid file"
  "mLastFile1	default")
lavix_batch_test(cli stops stops.lvb 0
  "message: blank line found in file"
  "message: Overflow Error# 6"
  "message: 1 cell is not a number: it is kept as text and reads as 0 where a value is needed.\\nrow 2 (B), TiO2: <0.5"
  "B	1	2	51	<0.5"
  "title: Lavix stops.txt   2 rows by 2 columns")
lavix_batch_test(cli missing_page missing_page.lvb 0 --rm Controls/page.txt
  "message: Find a path\\file for page.txt |*.txt|"
  "file: open page.txt |*.txt|")
lavix_batch_test(cli unknown_control script_errors.lvb 2 "error:")
lavix_batch_test(cli picture_click picture_click.lvb 2
  "error: unknown item 1500 of lxpic (it takes X Y, two numbers in page units)")
lavix_batch_test(cli unanswered unanswered.lvb 3 "error:")
lavix_batch_test(cli unused_answer unused_answer.lvb 3 "error:")
lavix_batch_test(cli reset reset.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns"
  "message: The data matrix has 32767 analyses (rows) and 200 elements (columns) .  Redimensioning removes all existing rock or mineral data. Do you wish to proceed?"
  "numbers: Reset data matrix | # of rows (analyses) = 32767 | # of columns (elements) = 200")
lavix_batch_test(cli dumps dumps.lvb 2
  "diagramKind	"
  "plotRowCount	0"
  "row	symbol	x	y	z"
  "error: unknown dump nonsense")
lavix_batch_test(cli read_filter read_filter.lvb 0 --cp files/lxpref-filter.ini Controls/lxpref.ini
  "message: Apply a filter while reading this data file? | title: Read Filter"
  "numbers: Upper and lower limits of SiO2 | Min value of SiO2 = 57.28 | Max value of SiO2 = 66.75"
  "title: Lavix atacazo-ninahuilca.txt   32 rows by 34 columns"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns")
lavix_batch_test(cli calculator calculator.lvb 0
  "xTitle	(Rb/Sr)"
  "xLog	1"
  "xStart	-2"
  "yTitle	(SIO2+AL2O3)/2"
  "yStart	36"
  "yNumberFormat	#0"
  "1	1	-1.469976	36.89	0"
  "mLastFile1	")
lavix_batch_test(cli no_data no_data.lvb 0 "message: Read a File first" "diagramKind	")
lavix_batch_test(cli identify identify.lvb 0
  "labStatus	 ATAC-4"
  "input: Type label in text box."
  "frameLeft	1500"
  "diagramKind	XY")
lavix_batch_test(cli plotted plotted.lvb 0 --cp files/plotted-spider.txt Controls/Spider.txt
  "row	symbol	x	y	z" "1	1	50	1.2	0" "3	3	60	2	0" ! "2	2	55"
  "row	symbol	position	value" "1	1	1	2" "1	1	2	1" "1	1	3	0" "3	3	2	0" "3	3	3	1" ! "3	3	1	")
lavix_batch_test(cli diagram_commands diagram_commands.lvb 0
  "xStart	45" "largeXTickEvery	2" "yEnd	5" ! "xStart	50"
  "frameWidth	6100" "frameHeight	6100" "frameWidth	7320" "frameHeight	3050"
  "pagePosition	3" "frameLeft	5800"
  "binCount	4" "yEnd	120" ! "binCount	0" "statsCaptionOn	0" "cmdRem	NB on")
lavix_batch_test(cli identify_walk identify_walk.lvb 0 "flipOrder	1" "flipOrder	0" "Identify	ID ON")
lavix_batch_test(cli regression regression.lvb 0
  "input: X-SiO[2]  Y-K[2]O  n=109 \\nSlope=  2.895E-02\\n        +-  3.285E-03\\n     Int= -7.569E-01"
  "statsCaption	Slope=  2.895E-02  Int= -7.569E-01   n=109  t=8.81  F=77.6  r=.65  r'=.65"
  "statsCaption	N=109 M=6.32E01 SD=2.35E00 SE=2.25E-01"
  "yTitle	Rock/ATAC-4"
  "regression.svg::Slope=  2.895E-02  Int= -7.569E-01"
  "regress.lx.txt::X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest"
  "regress.lx.txt::SiO[2],K[2]O,  2.89481E-02,  3.28534E-03, -7.56876E-01,  2.07746E-01, .648452397716367, 109, 8.81129443894562"
  "regress.lx.txt::SiO[2],Rb,  5.06615E-01,  9.83567E-02, -1.08401E01,  6.21951E00,"
  "Data Files/stats.txt::X-SiO[2]  Y-Rb  n=109")
lavix_batch_test(cli afc afc.lvb 0
  "numbers: Co=ATAC-4  Ca=NINA-9 | D for Rb = 0 | --- = 0 | D for Sr = 0 | --- = 0 | R=dMa/dMfc = 1"
  "110	30	1.155336	2.625313	0"
  "112	36	1.155336	2.625313	0"
  "162	-30	1.776238	2.138118	0"
  "afc.svg::<polyline")
lavix_batch_test(cli mixing mixing.lvb 0
  "buttons: Ticks in % of ATAC-29\\n 0  20  40  60  80  100  | Add this to plot | Delete this line"
  "110	30	0.0410628	0.704096	0"
  "211	-30	0.05699208	0.704372	0"
  "message:  Hyperbola regression \\nY=Yo+C/(X-Xo)\\n   n=21\\nXo = 5.073E-02\\nYo = 7.043E-01\\nC =  1.734E-07"
  "statsCaption	N=21 Yo=7.043E-01 Xo=5.073E-02 C =1.734E-07")
lavix_batch_test(cli enter_data enter_data.lvb 0
  "window: blank"
  "lblInfo(1)	Enter new data using arrow keys, click, double click and Enter. Click Save when done."
  "cursor	2 1"
  "Sample	SiO[2]	Rb"
  "S-1	50.5	12"
  "S-2	61.25	")
lavix_batch_test(cli modify_data modify_data.lvb 0
  "ATAC-4	1	57.3	0.67"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns")
lavix_batch_test(cli print_table print_table.lvb 0
  "lblInfo(1)	For each field enter the number of decimal places."
  "sgrid(1,2)	2"
  "buttons: Select output device | Screen | TextFile | Quit"
  "print: Print a table"
  "Sample        A-1           B-22"
  "SiO2             50.1           7.5"
  "Rb               12.00"
  "Total            62.12          7.50"
  "Total           103.25")
lavix_batch_test(cli preferences preferences.lvb 0 --then preferences_after.lvb
  "ffo1	1"
  "yax2	1"
  "Optionh	1"
  "winscale	0.75"
  "yLabelOrientation	-1"
  "largeXTickEvery	5"
  "Controls/lxpref.ini::/Data Files\""
  "Controls/lxpref.ini::4000"
  ! "message: Set the default directory")
# ATAC-4: SiO2 57.28 x 100 / 99.1603 recast; Si/K = (57.28 / 60.083) / (2 x 0.76 / 94.1956); Eu* =
# 0.058 sqrt((2.45 / 0.153)(2.3 / 0.2055)).
lavix_batch_test(cli recalc recalc.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 35 columns"
  "status: Full page /nm100 (SiO2 TiO2 Al2O3 Fe2O3 MnO MgO CaO Na2O K2O P2O5 recast to 100)"
  "1	1	57.76505	0.7664358	0"
  "feLabel	T= 1200 fo2= -8"
  "pearceDone	1"
  "FeO{t}	Si/K	(Fe+Mg)/K"
  "Eu*	Ce*	Nb*	Density	Viscosity	Eu/Eu*"
  "0.512854	 7.694918	 59.07972	"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 58 columns"
  "message: 10 elements or oxides recalculated to 100 volatile free.   All Fe as FeO"
  "Data Files/recast.txt::ATAC-4	1	57.76505	0.6756737	16.63972	8.551809	0.1210162")
# The shipped diagram library: a record picked by its name, its axes, fields and labels; Next
# diag offers the list again; the projections draw every diagram of a shipped file.
lavix_batch_test(cli library library.lvb 0
  "list: Select diagram |  TAS                 Total alkali-silica volcanic rocks (Le Bas et al. 1986) |  TAS Middlemost"
  "  > TAS" "librarySequence	YES" "libraryName	TAS" "xTitle	SiO[2]" "xStart	35" "xEnd	80" "yEnd	16"
  "diagramNote	Le Bas et al. (1986) J. Petrol. 27:745-750" "fieldPointCount	39" "fieldLabelCount	15" "newx	Next diag"
  "message: 109 of 109 samples lie in a field of TAS; their field names are in the column TAS."
  "legendLoaded	1" "legendPosition	3" "legendCount	2" "  > Jensen" "libraryName	Jensen"
  "tas.svg::<polyline points=\"1733,1300 1733,1836" "tas.svg::>Foidite<" "tas.svg::>andesite<"
  "legend.svg::>Ninahuilca<")
lavix_batch_test(cli projections projections.lvb 0
  "buttons: Set the Ferric/Ferrous ratio (Sack et al.,1980) | Reset this ratio | Leave it unchanged"
  "diagramFamily	CDIAGS" "libraryDiagramCount	5"
  "diagramNote	Grove et al. (1982); Tormey et al. (1987)  T= 1200 fo2= -8" "feRatioMode	R"
  "message: OPX_ATA non-quad. comps.= 4.5  OK  " "diagramFamily	MDIAGS" "libraryDiagramCount	2"
  "libraryName	Amphibole_calcic" "diagramKind	XY" "cmas.svg::>Plag<")
lavix_batch_test(cli library_refusals library_refusals.lvb 0
  "message: Read a File first"
  "message: Diagram file cut.txt, diagram Cut: the record runs past the end of the file"
  "message: Diagram file cut.txt holds no diagrams"
  "message: Classify samples works on a diagram of the library: choose one with Plot, Diagram first."
  "libraryRecordCount	0")
# Ce, by hand: P = (20 x 0.0005 + 20 x 0.004 + 55 x 0.08 + 5 x 0.005)/100 = 0.04515, stored times
# Ce's CI chondrite 0.612: .0276318; source (1 - 0.04515)/1.05202 = 0.907634, times 0.612: .5554726;
# D 5.032E-03 x 0.907634 x 0.612 = .002795.
lavix_batch_test(cli inverse_model inverse_model.lvb 0
  "buttons: Select scheme | Set X-Y grid from La and Yb/La ranges | Use presets for X-Y grid"
  "libraryName	La/Yb"
  "yEnd	20"
  "preparation.svg::Slope=  1.781E-01  Int=  3.340E00"
  "Data Files/ree.lx.txt::La[N],La[N]/Ce[N],  5.03200E-03,  1.31973E-03,  1.05202E00,  4.78857E-02,"
  "Data Files/ree.lx.txt::La[N],La[N]/Yb[N],"
  "status: ZuZaDu: source = (1-P)/I and D = slope x source take the source's La[N] as 1"
  "PIs  20ol  20opx  55cpx  5gt 	14								"
  "	 .0276318	 .04809353	"
  "slope*Co (~D's)	6	"
  "	 .002795138	 .002382887	"
  "(1-Pi)/I (~source)	4	"
  "	 .5554726	 .32038	"
  "inverse.svg::>~source<"
  "buttons: Keep or reject Model just plotted | Keep | Reject"
  "109	2	1	" ! "110	14	2	")
