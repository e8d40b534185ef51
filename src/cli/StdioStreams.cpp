#include "cli/StdioStreams.h"

#include <cstdio>
#include <istream>
#include <ostream>
#include <streambuf>

namespace quillex {
namespace {

// A stream buffer that holds nothing itself: each character is read with getc and written
// with fwrite, so stdio's buffering and its error state are the only ones.
class StdioBuffer : public std::streambuf {
public:
    explicit StdioBuffer(std::FILE* file) : file_(file) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        return std::fputc(c, file_) == EOF ? traits_type::eof() : c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        return static_cast<std::streamsize>(
            std::fwrite(text, 1, static_cast<std::size_t>(count), file_));
    }

    int sync() override { return std::fflush(file_) == 0 ? 0 : -1; }

    int_type underflow() override {
        const int c = std::getc(file_);
        if (c == EOF) {
            return traits_type::eof();
        }
        std::ungetc(c, file_);
        return c;
    }

    int_type uflow() override {
        const int c = std::getc(file_);
        return c == EOF ? traits_type::eof() : c;
    }

    int_type pbackfail(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::eof();
        }
        return std::ungetc(c, file_) == EOF ? traits_type::eof() : c;
    }

private:
    std::FILE* file_;
};

struct Streams {
    StdioBuffer inBuffer{stdin};
    StdioBuffer outBuffer{stdout};
    StdioBuffer errBuffer{stderr};
    std::istream in{&inBuffer};
    std::ostream out{&outBuffer};
    std::ostream err{&errBuffer};

    Streams() {
        in.tie(&out);
        err.tie(&out);
        err.setf(std::ios_base::unitbuf);
    }
};

}  // namespace

StdioStreams Stdio() {
    static Streams streams;
    return {streams.in, streams.out, streams.err};
}

}  // namespace quillex
