// The commands that draw with Qt (picture, offer) in a program of their own: kalvora-cli starts
// every other command without loading Qt. kalvora-cli hands "picture ..." and "offer ..." over
// to kalvora-render, which lies beside it in a build tree and in LIBEXECDIR/kalvora when
// installed, and takes the command's word first: "kalvora-render picture ...".
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// Replace this process by kalvora-render running "picture" or "offer" with `arguments` (the
// words after the command); they return only when that fails, with status 1 and a message on
// `err`.
int LaunchPictureProgram(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err);
int LaunchOfferProgram(const std::vector<std::string>& arguments, std::istream& in,
                       std::ostream& out, std::ostream& err);

}  // namespace kalvora::cli
