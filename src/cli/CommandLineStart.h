// A configuration started as the program starts it with one command-line argument (a code or a
// .klv file), for the sub-commands that work on one configuration each.
#pragma once

#include <string>

#include "model/Configuration.h"
#include "model/UiPort.h"
#include "pricing/ConfigFile.h"

namespace kalvora::cli {

class CommandLineStart : public UiPort {
  public:
    // Runs the start code on `argument`. Documents are dated with the system clock.
    CommandLineStart(const std::string& argument, FileAccess& files);

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
    std::string error_;
    Configuration config_;
};

}  // namespace kalvora::cli
