// kalvora-cli offer: the offer letter of one or many configurations as PDF files.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// `arguments` after the word "offer":
//   [--date YYYY-MM-DD] [--credit] [credit options] CODE_OR_FILE OUT.pdf   (OUT "-": stdout)
//   [--date YYYY-MM-DD] [--credit] [credit options] BATCH CODE_OR_FILE...
// where BATCH is --output-dir DIR and/or --name PATTERN, and "-" among the inputs reads codes or
// file names from the standard input (see BatchRun.h). The credit options are those of
// "credit"; any of them (or --credit) adds the credit page. The date is --date, else
// SOURCE_DATE_EPOCH, else today. The dealer comes from "[Offer]" of the settings file. Needs no
// display. 0 when every file was written, 1 when one could not be (the others are still
// written), 2 for wrong arguments.
int RunOfferCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err);

}  // namespace kalvora::cli
