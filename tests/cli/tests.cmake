# lavix_batch_test(cli NAME SCRIPT EXIT_CODE ...): see tests/CMakeLists.txt
lavix_batch_test(cli open_example open_example.lvb 0
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns"
  "SAMPLE	Kcode	SiO[2]	TiO[2]"
  "ATAC-4	1	57.28	0.67")
lavix_batch_test(cli merge merge.lvb 0
  "title: Lavix merged files    111 rows by 34 columns"
  "message: 1 column of the added file matches no column of the data in memory and was left out: NewCol"
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
  "numbers: Reset data matrix | # of rows (analyses) = 32767 | # of columns (elements) = 200"
  "message: The data matrix has 32767 analyses (rows) and 80 elements (columns) .")
lavix_batch_test(cli save_partly_read save_partly_read.lvb 0
  "message: Only part of atacazo-ninahuilca.txt was read into the data matrix (its limits or the read filter left the rest out).\\nSaving over it loses what was left out. Save over it anyway?"
  "title: Lavix first-fifty.txt   50 rows by 34 columns"
  "Data Files/first-fifty.txt::~~\\A(?:[^\\n]*\\n){50}[^\\n]*\\n?\\z")
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
  "mLastFile1	"
  "title	Lavix atacazo-ninahuilca.txt   109 rows by 35 columns")
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
  "ATAC-4	1	57.3	0.67" ! "ATAC-4	1	99"
  "title: Lavix atacazo-ninahuilca.txt   109 rows by 34 columns")
lavix_batch_test(cli print_table print_table.lvb 0
  "lblInfo(1)	For each field enter the number of decimal places."
  "sgrid(1,2)	2"
  "buttons: Select output device | Screen | TextFile | Quit"
  "print: Print a table"
  "~^File name .*/files/small.txt$"
  "Sample        A-1           B-22"
  "Kcode             1             0"
  "Note              x             n.d."
  "SiO2             50.1           7.5"
  "Rb               12.00"
  "Total            62.12          7.50"
  "Sample        C-3"
  "SiO2            100.0"
  "~^Note$"
  "Total           103.25")
# (A ";" splits a CMake argument: the regular expressions write it \x3b.)
lavix_batch_test(cli preferences_refused preferences_refused.lvb 0
  "message: \"-1\" is not a usable tick height (0.001 to 0.1); it stays 0.025.\\n\"-3\" is not a usable large X tick interval (a whole number from 0 to 100); it stays 0.\\n\"2.6\" is not a usable large Y tick interval (a whole number from 0 to 100); it stays 0.\\n\"5000\" is not a usable Fe-ratio temperature in degrees C (600 to 1700); it stays 1200.\\n\"-99\" is not a usable Fe-ratio log fO2 (-25 to 0); it stays -8.\\n\"0\" is not a usable number of columns (a whole number from 10 to 32752); it stays 200.\\n\"100000\" is not a usable number of rows (a whole number from 10 to 32767); it stays 32767."
  "message: \"abc\" is not a usable window scale (0.5 to 1); it stays 1."
  "~~  > click saveini\\nmessage: \"abc\" is not a usable window scale \\(0.5 to 1\\)\\x3b it stays 1.\\n  > click saveini\\n"
  "Controls/lxpref.ini::~~\\r\\n32767\\r\\n150\\r\\n(?:.*\\r\\n){4}\\.025\\r\\n1\\r\\n5\\r\\n0\\r\\n1200\\r\\n-9\\r\\n")
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
  "Data Files/recast.txt::ATAC-4	1	57.76505	0.6756737	16.63972	0	0.1210162"
  "Data Files/recast.txt::~~\\tFeO\\{t\\}\\t[^\\n]*\\nATAC-4\\t(?:[^\\t]*\\t){35} 7\\.694918\\t")
# The shipped diagram library: a record picked by its name, its axes, fields and labels; Next
# diag offers the list again; the projections draw every diagram of a shipped file.
lavix_batch_test(cli library library.lvb 0
  "list: Select diagram |  TAS                 Total alkali-silica volcanic rocks (Le Bas et al. 1986) |  TAS Middlemost"
  "  > TAS" "librarySequence	YES" "libraryName	TAS" "xTitle	SiO[2]" "xStart	35" "xEnd	80" "yEnd	16"
  "diagramNote	Le Bas et al. (1986) J. Petrol. 27:745-750" "fieldPointCount	39" "fieldLabelCount	15" "newx	Next diag"
  "message: 109 of 109 samples lie in a field of TAS; their field names are in the column TAS."
  "legendLoaded	1" "legendPosition	3" "legendCount	2" "  > Jensen" "libraryName	Jensen"
  "tas.svg::<polyline points=\"2647,1300 2647,2444" "tas.svg::>Foidite<" "tas.svg::>andesite<"
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
  "libraryRecordCount	0"
  "~^message: None of the 109 samples lies in a field of .* \\(are its elements in the data\\?\\): no column was written\\.$"
  ! "title: Lavix atacazo-ninahuilca.txt   109 rows by 35 columns")
lavix_batch_test(cli file_commands file_commands.lvb 0
  "message: No data to save" "message: You can't Add to nothing, read a file first"
  "buttons:  select filename extension | .txt | .roc | .min"
  "saved.roc::SAMPLE	Kcode	SiO[2]" "saved.roc::ATAC-4	1	57.28	"
  "title	Lavix saved.roc   109 rows by 34 columns" "~^SAMPLE	$" ! "window: varform")
lavix_batch_test(cli recent_files recent_files.lvb 0
  "~^mLastFile1	.*/files/small.txt$" "~^mLastFile2	.*/Data Files/atacazo-ninahuilca.txt$"
  "title	Lavix atacazo-ninahuilca.txt   109 rows by 34 columns" ! "Save them before leaving?")
lavix_batch_test(cli clipboard_limit clipboard_limit.lvb 0
  "message:  File too big, first 62504 characters placed on clipboard.")
lavix_batch_test(cli exit_unsaved exit_unsaved.lvb 0 "kept.txt::ATAC-4	1	58	0.67")
lavix_batch_test(cli grid_guards grid_guards.lvb 0
  "message: Read a File first" "message: No data to print" "C-3	2	100	3.25" ! "WARNING")
# Start-up: a missing Controls file is asked for (the one chosen is read) or, cancelled, the defaults
# are used; preferences, symbols and a standard table the test puts in Controls/.
foreach(entry "lavix.data.txt|lavix.data.txt|*.txt|" "lxpref.ini|lxpref.ini |*.ini|" "filenames.ini|filenames.ini |*.ini|"
              "default.sym|Symbols (*.sym)|*.sym|" "page.txt|page.txt |*.txt|" "default.nrm.txt|norm. files (*.nrm.txt|*.txt|")
  string(FIND "${entry}" "|" bar)
  string(SUBSTRING "${entry}" 0 ${bar} name)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${entry}" ${bar} -1 filter)
  lavix_batch_test(cli startup_chosen_${name} startup_chosen.lvb 0 --cp Controls/${name} chosen.txt --rm Controls/${name}
    "message: Find a path\\file for ${filter}" "file: open ${filter}" "SAMPLE	Kcode	SiO[2]	TiO[2]" ! "error:")
  lavix_batch_test(cli startup_cancel_${name} startup_cancel.lvb 0 --rm Controls/${name} "file: open ${filter}")
endforeach()
lavix_batch_test(cli startup_default_folder startup.lvb 0 --cp files/lxpref-default.ini Controls/lxpref.ini
  "message: Set the default directory for your data files by clicking Preferences and then saving any changes"
  "message: The data matrix has 500 analyses (rows) and 60 elements" "yLabelOrientation	-1")
lavix_batch_test(cli startup_no_folder startup.lvb 0 --cp files/lxpref-nofolder.ini Controls/lxpref.ini
  "message: Press the Preferences button (next window), find a valid path to your data files, then press Save Preferences."
  ! "message: Set the default directory")
lavix_batch_test(cli startup_no_rows startup.lvb 0 --cp files/lxpref-norows.ini Controls/lxpref.ini
  "message: lxpref.ini line 7: \"0\" is not a usable number of rows (10 to 32767), so the default, 32767, is used."
  "message: lxpref.ini line 13: \"-1\" is not a usable tick height (0.001 to 0.1), so the default, 0.025, is used."
  "message: lxpref.ini line 18: \"-99\" is not a usable Fe-ratio log fO2 (-25 to 0), so the default, -8, is used."
  "largeYTickEvery	0"
  "message: The data matrix has 32767 analyses (rows) and 60 elements")
lavix_batch_test(cli startup_short_symbols startup.lvb 0 --cp files/short.sym Controls/default.sym
  "message: Input past end of file at line 8" ! "Find a path")
lavix_batch_test(cli startup_short_table startup.lvb 1 --cp files/short-table.txt Controls/lavix.data.txt
  "message: Input past end of file: table line 1 of lavix.data.txt holds 2 fields, 17 expected fatal error Bye"
  "error: start-up failed" ! "title:")
# The XY models on files/eight.txt. FC at F = 0.5: Zr 80 x 0.5^-0.9 = 149.29, K2O 0.3 x 0.5^-0.95 =
# 0.579562, the last of 11 points with ticks at F = 1, 0.75, 0.5 (the start twice, a tick and a pen
# change at each): entry 8 + 1 + 11 + 2 x 3 = 26; the deleted curve left nothing. The mixing line:
# 101 points (plain axes), the first twice, then six ticks; the one at 0.5 %: 0.3 + 0.005 x 4.1.
lavix_batch_test(cli xy_models xy_models.lvb 0
  "numbers: Co=A1 | D for Zr = 0 | --- = 0 | D for K[2]O = 0 | --- = 0"
  "numbers: F is the  liquid | Start of F range = 1 | End of F range = 0.6 | Step of F = 0.05"
  "~^9	30	80	0.3	" "~^11	36	80	0.3	" "~^26	-30	149.2853	0.5795618	" ! "~^44	-30	149.2853"
  "buttons: Ticks in % of C2\\n 0  .5  1  1.5  2  2.5  | Add this to plot | Delete this line"
  "~^9	30	0.3	80	" "~^110	-30	4.4	410	" "~^112	36	0.3205	" "~^116	36	" ! "~^117	"
  "diagramFamily	QUAD" "zClipMax	0.5" "xClipMin	0.2")
# (?:[^@].*\\n)*? skips the prompts and status lines between an event and its dump.
lavix_batch_test(cli switch_and_cancel switch_and_cancel.lvb 0
  "~~K2O\\n(?:[^@].*\\n)*?@dump settings\\n((?:.*\\n)*?end\\n)(?:.*\\n)*?.*cancel\\n(?:[^@].*\\n)*?@dump settings\\n\\1(?:.*\\n)*?.*cancel\\n(?:[^@].*\\n)*?@dump settings\\n\\1"
  "~~CaO\\n(?:[^@].*\\n)*?@dump settings\\n((?:.*\\n)*?end\\n)@dump plotted\\n((?:.*\\n)*?end\\n)click SwitchXY\\n(?:[^@].*\\n)*?@dump settings\\n(?!\\1)(?:.*\\n)*?yLog\\t1\\n(?:.*\\n)*?click SwitchXY\\n(?:[^@].*\\n)*?@dump settings\\n\\1@dump plotted\\n\\2")
lavix_batch_test(cli picked_rows picked_rows.lvb 0 --cp files/Spider-small.txt Controls/Spider.txt
  "table.txt::Sample        C-3" "table.txt::SiO2            100.00" ! "table.txt::A-1" ! "table.txt::Total"
  "~~@dump matrix\\nSAMPLE\\tKcode\\tSiO\\[2\\]\\tRb\\tNote\\nA-1\\t1\\t50.123\\t12\\tx\\nC-3\\t2\\t100\\t3.25\\t\\nend")
lavix_batch_test(cli enter_typed enter_typed.lvb 0
  "message: WARNING: Data are now entered or modified only in memory (in RAM not disk)  If you want to save them select the Save option."
  "title: Lavix untitled   2 rows by 2 columns"
  "entered.txt::Sample	Kcode	SiO[2]	Rb" "entered.txt::S-1	3	50.5	12" "entered.txt::S-2	4		61.25"
  "~~z\\n1\\t3\\t12\\t12\\t0\\n2\\t4\\t61.25\\t61.25\\t0\\nend" ! "Save them before leaving?")
lavix_batch_test(cli preferences_window preferences_window.lvb 0
  "~~window: pref\\n  > @dump fields\\nffo1\\t0\\nffo2\\t1\\nyax1\\t1\\nyax2\\t0\\nOptionv\\t1\\nOptionh\\t0\\nOptionHRon\\t1\\nOptionHRoff\\t0\\n"
  "~~ffo1\\t1\\nffo2\\t0\\nyax1\\t0\\nyax2\\t1\\nOptionv\\t0\\nOptionh\\t1\\nOptionHRon\\t0\\nOptionHRoff\\t1\\n"
  "message: This change will occur next time you start Lavix\\nif you click 'Save new preferences' after closing this message!"
  "~~type winscale 0.3\\n  > enter winscale\\n(?:.*\\n)*?winscale\\t0.5\\n" "~~type winscale 2\\n  > enter winscale\\n(?:.*\\n)*?winscale\\t1\\n" "~~type winscale 0.75\\n  > enter winscale\\n(?:.*\\n)*?winscale\\t0.75\\n" "~~type winscale big\\n  > enter winscale\\nmessage: \"big\" is not a usable window scale \\(0.5 to 1\\)\\x3b it stays 0.75.\\n(?:.*\\n)*?winscale\\t0.75\\n"
  "font: Set deflt. Font | DejaVu Sans, 10, regular, regular" "colour: Label colour | 0,0,0"
  "Labfont	12Pt Bold Serif" "yLabelOrientation	-1")
# The button row of each diagram kind, whole (gap mode on for the spider diagram).
lavix_batch_test(cli buttons buttons.lvb 0 --cp files/Spider-eight.txt Controls/Spider.txt
  "~~XY:\\n@dump fields\\n(?:.*\\n){7}newx\\tNew X\\nnewy\\tNew Y\\nnewz\\tAxes\\nSwitchXY\\tXY-YX\\nfliporder\\t1-n n-1\\nIdentify\\tID ON\\nwrname\\tName\\nlinRegress\\tRegress\\nmix\\tMix\\nmodel\\tModel\\nLegend\\tLegend\\ncmdRem\\tNB off\\nend"
  "~~TRI:\\n@dump fields\\n(?:.*\\n){7}newx\\tNew X\\nnewy\\tNew Y\\nnewz\\tNew Z\\nSwitchXY\\tXY-YX\\nfliporder\\t1-n n-1\\nIdentify\\tID ON\\nwrname\\tName\\nmix\\tQuad\\ncmdRem\\tNB off\\nend"
  "~~HIST:\\n@dump fields\\n(?:.*\\n){7}newx\\tNew X\\nnewy\\tBins\\nnewz\\tY-Axis\\nlinRegress\\tDistrib.\\ncmdRem\\tNB off\\nend"
  "~~SPI:\\n@dump fields\\n(?:.*\\n){7}newx\\tRepick\\nnewy\\tNewSpi\\nnewz\\tY-scale\\nSwitchXY\\tXY-YX\\nfliporder\\t1-n n-1\\nIdentify\\tID ON\\nwrname\\tfull line\\nlinRegress\\tNrm to Samp\\nmix\\tMix\\nmodel\\tModel\\nLegend\\tLegend\\ncmdRem\\tNB off\\nend")
lavix_batch_test(cli write_modes write_modes.lvb 0 "xTitle	SiO[2]"
  "one.svg::>A2</text>" ! "one.svg::>50.2</text>" "two.svg::>50.2</text>" ! "two.svg::>A2</text>"
  "three.svg::>110  </text>" ! "three.svg::>50.2</text>" ! "three.svg::>A2</text>" "four.svg::>A2</text>" ! "four.svg::>110")
lavix_batch_test(cli kept_lines kept_lines.lvb 0
  ! "cancelled.svg::rgb(0,114,178)" "kept.svg::~~(?s)\\A(?:(?!rgb\\(0,114,178\\)).)*rgb\\(0,114,178\\)(?:(?!rgb\\(0,114,178\\)).)*rgb\\(0,114,178\\)(?:(?!rgb\\(0,114,178\\)).)*\\z" ! "switched.svg::rgb(0,114,178)" ! "newx.svg::rgb(0,114,178)"
  "~^statsCaption	Slope=  1.510E-01  Int= -7.220E00   n=8  t=15.01  F=225.3  r=.99  r'=1.$" "~^statsCaption	$"
  "Data Files/stats.txt::Spearman rank corr coef" "Data Files/stats.txt::r'=1."
  "statsCaption	N=1 M=4.85E01" "histogram.svg::~~(?s)\\A(?:(?!rgb\\(0,114,178\\)).)*rgb\\(0,114,178\\)(?:(?!rgb\\(0,114,178\\)).)*\\z")
lavix_batch_test(cli no_room no_room.lvb 0
  "message: There is no room for another curve on this diagram: set the diagram up anew to draw more" "plotRowCount	2446")
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
