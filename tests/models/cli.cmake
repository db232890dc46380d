# Batch runs of the model and mix commands on the example data.
# F = 1 %: La = 0.687 / (0.0070105 + 0.01 (1 - 0.020570)) = 40.88 ppm from D and P of the PC file.
lavix_batch_test(models batch_melt batch_melt.lvb 0
  "window: spimod"
  "mdi	 55ol  25opx  12cpx  8gt "
  "message: D's\\n LA  0.007\\n CE  0.011\\n"
  "<PM-SM89>F0 .01batch meltD 55ol  25opx  12cpx  8gt P 10ol  20opx  40cpx  30gt 	9	"
  "	 40.88239	 84.80042	"
  "P 10ol  20opx  40cpx  30gt R	25	"
  # what the redraw drew: the melts (9, -9) and residues (25, -25) as log10 of the normalised value
  "111	9	2	1.98"
  "115	25	4	-0.79"
  "batch-melt.svg::F=5%"
  "batch-melt.svg::F=15% R"
  "title: Lavix merged files    110 rows by 34 columns")
lavix_batch_test(models mix mix.lvb 0
  "list: Select Component # 2 |  ATAC-4 |  ATAC-46 |  NINA-54"
  "rlabel	Ready for another mix"
  "1ATAC-43ATAC-46	9	"
  "	 8.125	 17.675	 10.925	 2.675	 .7675	"
  " .7042667	 .5128525"
  "mix.svg::mix 1:3")

# The spider model and mix windows on a small data set (scripts/files: three samples, a pattern
# normalising by 1, unit partition coefficients with OL carrying the D's of the modal tests).
# Batch melting, D = 0.1, F = 0.05, C0 = 10: La = 10 / (0.1 + 0.05 x 0.9) = 68.96552; Sr = 100 /
# (0.05 + 0.05 x 0.95) = 1025.641; Ce (D 0) reads 0; the isotopes are the source's. The inverse:
# La = 10 x (0.1 + 0.05 x 0.9) = 1.45, and no residues are asked for (the script answers none).
lavix_batch_test(models spimod_batch spimod_batch.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "message: D's\\n LA  0.100\\n CE  0.000\\n SR  0.050\\n RB  0.001\\n YB  0.500\\n NI  5.000\\n ND  0.100\\n"
  "<SRC>F0 .05batch meltD 100ol 	9	 68.96552	0	 1025.641	"
  "	0.7030	0.5130" "4	9	1	1.838632"
  "<SRC>F0 .05batch meltD 100ol I	9	 1.45	"
  "message: No valid F's found ( melt)" "<SRC>F0 .1batch meltD 100ol 	-9	 52.63158" "7	-9	1	"
  "melt.svg::F=5%" ! "message: P's")
# Fractional melting with P = 100 % CPX: Yb (D 0.5, P 2) has G = 1 - 2 x 0.3 / 0.5 < 0 at F = 30 %, as
# Sr and Rb: their cells stay empty.
lavix_batch_test(models spimod_fractional spimod_fractional.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "message: P's\\n LA  0.100\\n CE  0.000\\n SR  0.200\\n"
  "message: No value, left empty: SR RB YB"
  "<SRC>F0 .1fractional meltD 100ol P 100cpx 	9	 38.74204	0	 172.7999	 0	 3.442652	"
  "<SRC>F0 .3fractional meltD 100ol P 100cpx 	-9	 4.03536	0				 .05304668	")
# Residue by mass balance: La (10 - 68.96552 x 0.05) / 0.95 = 6.896551; at F = 1 it is empty of all.
lavix_batch_test(models spimod_residues spimod_residues.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "<SRC>F0 .05batch meltD 100ol R	25	 6.896551	0	"
  "<SRC>F0 1batch meltD 100ol R	-25	0	0	0	0	0	0	0.7030	0.5130"
  "title: Lavix models.txt   10 rows by 8 columns" "title: Lavix models.txt   3 rows by 8 columns")
lavix_batch_test(models spimod_checks spimod_checks.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "message: Read a Par. Coeff. File first" "message: Select a source first" "message: Select a contaminant first"
  "message: Must select Minerals for d's" "message: Must select Minerals for p's"
  "buttons: Select Model | batch melt | fractional melt | agg fract melt | continuous melt | ray fract xtal | equi xtal | in situ xtal | ZuZaDu | AFC | &Quit"
  "title: Open file w/ regression data"
  "message: The model window takes a partition-coefficient file of at most 10 minerals"
  "~^pcslab	.*/files/unit.PC.txt$" "message: blank line found in file" "~^pcslab	.*/files/blank.PC.txt$"
  "message: 4 cells are empty or not numbers: they read as Kd = 0, the mineral taking none of the element.\\nLA in CPX: n.a.\\nCE in CPX: empty\\nSR in CPX: missing\\n..."
  "title: Lavix models.txt   3 rows by 8 columns" ! "rows by 9 columns")
# AFC, r = 1, at F = 20 %: Sr (D 0.05, h = e^-0.01): Cm = (400 / 0.05)(1 - h) + 100 h = 178.6063,
# 87Sr/86Sr = 0.703 + (1 - 100 / 178.6063)(0.710 - 0.703) h = 0.7060501; Nd (D 0.1, h = e^-0.02):
# Cm = 200 (1 - h) + 8 h = 11.80185, 143Nd/144Nd = 0.513 + (1 - 8 / 11.80185)(0.512 - 0.513) h = 0.5126842.
lavix_batch_test(models spimod_afc spimod_afc.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "melttxt	0,20,40,60,80,100" "insitu2	r = dMa/dMc"
  "<SRC>F0 .2AFCD 100ol CON 1	9	" "	 178.6063	" "	 11.80185	 .7060501	 .5126842"
  "title: Lavix models.txt   8 rows by 8 columns" ! "buttons: Residues")
lavix_batch_test(models spimod_modes spimod_modes.lvb 2 --cp files/Spider.txt Controls/Spider.txt
  "mdi	 60ol  40cpx " "mpi	SELECT" "error: insituf is not available")
# Mixing by weight: 0.25 x 10 + 0.75 x 30 = 25 (La); by 86Sr: 0.25 x 100 / (0.703 + 9.432) and
# 0.75 x 400 / (0.710 + 9.432) weigh 0.703 and 0.710: 0.7094612. LAV has no Rb: (0 + 5) / 2.
lavix_batch_test(models spimix_weights spimix_weights.lvb 0 --cp files/Spider.txt Controls/Spider.txt
  "rlabel	Ready for first mix" "list: Select Component # 2 |  SRC |  CON |  LAV"
  "coname(1)	CON" "perco(2)	0" "rlabel	Ready for another mix"
  "1SRC3CON	9	 25	 50	 325	" " .7094612	" "1LAV1SRC	9	 12.5	 22.5	 110	 2.5	"
  "title: Lavix models.txt   5 rows by 8 columns" "*1SRC3CON | *1LAV1SRC"
  "message: No data points to model" "message: No data points to mix")
