// A configuration started as the program starts it with one command-line argument (a code or a
// .klv file), for the sub-commands that work on one configuration each.
#pragma once

#include <optional>
#include <string>

#include "engine/model/Configuration.h"
#include "engine/model/UiPort.h"
#include "engine/code/ConfigFile.h"
#include "engine/code/DiskFileAccess.h"

namespace kalvora::cli {

// The files the arguments of a command line name. An argument that names a folder is taken for
// the file the user meant, and reading it says what it is ("это каталог"), rather than being
// decoded as a code and refused as one. Pipes and devices are files already, which the file
// module refuses with its own reason.
class ArgumentFiles : public DiskFileAccess {
  public:
    bool Exists(const std::string& path) override;
};

// The message for a SOURCE_DATE_EPOCH that is not a number of seconds, the same for every
// command that dates what it writes.
std::string EpochProblem(const char* epoch);

// The date and time texts a document is stamped with ("06.12.2026", "18:20:08").
struct DocumentClock {
    std::string date;
    std::string time;
};

// The clock of `--date` when given, else of SOURCE_DATE_EPOCH (`epoch`, seconds since 1970,
// read as universal time) when set, else none (the system clock at the moment of writing).
// `--date` takes YYYY-MM-DD, optionally followed by "T" or a blank and HH:MM[:SS]. Nothing and
// a Russian message in `error` for a text of neither form.
std::optional<DocumentClock> ChooseClock(const std::optional<std::string>& date, const char* epoch,
                                         std::string* error);

class CommandLineStart : public UiPort {
  public:
    // Runs the start code on `argument`. Documents are dated with `clock`, or with the system
    // clock when there is none.
    CommandLineStart(const std::string& argument, FileAccess& files,
                     std::optional<DocumentClock> clock = std::nullopt);

    Configuration& Config() { return config_; }
    // Why the configuration could not be started: the reason the code or file was rejected, or
    // the invalid-combination text when no price came out; empty when the start succeeded.
    const std::string& Error() const { return error_; }

    // Messages are the start's results, read from them; the conversion notice is information.
    void ShowMessage(const std::string&) override {}
    bool Confirm(const std::string&) override { return false; }
    std::string DateText() override;
    std::string TimeText() override;

  private:
    std::optional<DocumentClock> clock_;
    std::string error_;
    Configuration config_;
};

}  // namespace kalvora::cli
