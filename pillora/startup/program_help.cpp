#include "pillora/startup/program_help.h"

namespace pillora {

const std::string_view kProgramHelp =
    R"(usage: pillora JOBFILE[<TAB>PRINT-OPTION[<TAB>PRINTER]]   (the host application's line)
       pillora JOBFILE [PRINT-OPTION [PRINTER]]
       pillora --list-printers | --help | -h | --version | /V

Prints the drug bags of one job file: ".ndrg" (with its ".dprf" receipt), ".drg" (one
drug), any other extension (a three-drug bag). Fields after the third are ignored.

print options:
  全部列印  everything (the default; any other text acts like it)
  0         no side effects
  1         the first side effect
  2         the first two side effects
  CP        labels on the label printer instead of bags (".ndrg" jobs)

printer: a device or queue name as --list-printers shows them, blanks around it and letter
case ignored; without one, or when none matches, the default printer prints. A raw queue
(no driver) takes no bags.

environment:
  PILLORA_HOME        the program folder (default: the folder of the program)
  PILLORA_OUTPUT_DIR  where "Pillora PDF" and "Pillora PNG" write (default: the current folder)
  PILLORA_PRINT_LOG   a file that gets one line per drawing call
  PILLORA_LABEL_LOG   a file that gets one line per label-printer call
  PILLORA_LOG         the job log (default: ${XDG_STATE_HOME:-~/.local/state}/pillora/pillora.log)
  XDG_CACHE_HOME      holds pillora/, the SQLite copies of Access databases
  CUPS_SERVER, LPDEST, PRINTER  as CUPS reads them

files in the program folder:
  dbDrugProfile.mdb   the drug profiles (an Access or SQLite file)
  DrugBag.config      font and paged-list settings (tags)
  layout.config       page offsets in cm and the paged-list switch
  220603.config       marker; its first line is the position of the usage sentence
  dbp.config          the label printer's name
  151014.config BlankBody.config PrePrintNameAddress.config isPharmacyUp.config
  220306.config 180208.config   markers: on while the file exists (letter case ignored)

exit status: 0 the job was read and printed; 1 the job file cannot be read or the job
cannot be printed (one line on standard error says why); 2 a usage error.
)";

}  // namespace pillora
