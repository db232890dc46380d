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
