// Script mode past the sizes a person types: billions of lines, and paths a person could not
// type (a NUL byte).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>

#include "cli/ScriptSession.h"
#include "engine/code/DiskFileAccess.h"

namespace kalvora::cli {
namespace {

// `blank` empty lines, then `last`.
class BlankLines : public std::streambuf {
  public:
    BlankLines(long long blank, std::string last) : left_(blank), last_(std::move(last)) {}

  protected:
    int_type underflow() override {
        if (left_ > 0) {
            const auto n = static_cast<long long>(std::min<std::size_t>(sizeof buffer_, left_));
            std::fill(buffer_, buffer_ + n, '\n');
            left_ -= n;
            setg(buffer_, buffer_, buffer_ + n);
            return '\n';
        }
        if (!last_.empty()) {
            tail_ = std::move(last_);
            last_.clear();
            setg(tail_.data(), tail_.data(), tail_.data() + tail_.size());
            return traits_type::to_int_type(tail_[0]);
        }
        return traits_type::eof();
    }

  private:
    long long left_;
    std::string last_;
    std::string tail_;
    char buffer_[1 << 16];
};

// The line number of an error after 2^31 lines is still the line's number.
TEST(ScriptLimits, LinesAreCountedPastTwoToTheThirtyFirst) {
    constexpr long long kBlank = (1LL << 31) + 1;
    BlankLines lines(kBlank, "bogus\n");
    std::istream in(&lines);
    std::ostringstream out;
    std::ostringstream err;
    DiskFileAccess files;
    EXPECT_EQ(RunScript(in, out, err, files), 2);
    EXPECT_EQ(err.str(), "error: 2147483650: неизвестная команда «bogus»\n");
}

// A NUL in a path names a file the system would cut short: refused, and shown as \0.
TEST(ScriptLimits, APathWithANulIsRefusedAndPrintedEscaped) {
    const std::string dir = ::testing::TempDir() + "kalvora-nul";
    std::filesystem::create_directories(dir);
    const std::string nul(1, '\0');
    std::istringstream in("start\nsave " + dir + "/nul-target.klv" + nul + "/../x yes\nopen " +
                          dir + "/a" + nul + "b\n");
    std::ostringstream out;
    std::ostringstream err;
    DiskFileAccess files;
    EXPECT_EQ(RunScript(in, out, err, files), 0) << err.str();
    EXPECT_EQ(out.str().find('\0'), std::string::npos);
    EXPECT_NE(out.str().find("nul-target.klv\\0/../x»: недопустимое имя файла"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("a\\0b»: недопустимое имя файла"), std::string::npos) << out.str();
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kalvora::cli
