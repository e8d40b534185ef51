// The command line's standard input, output and error as C++ streams over C's stdio, made
// when the command line first asks for them.
//
// The streams of <iostream> are built before main in every program that includes it, and
// building them builds the C++ locale: half a MiB of the C++ library's pages, resident for
// the life of a window that never writes to a stream. These are built only on the command
// line's paths, and behave as the standard ones do when synchronised with stdio: every
// character goes through stdio's own buffers, so they mix freely with printf.
#pragma once

#include <iosfwd>

namespace quillex {

struct StdioStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// The three streams, built on the first call. Reading `in` flushes `out` first, and `err`
// writes through at once, as std::cin, std::cout and std::cerr do.
StdioStreams Stdio();

}  // namespace quillex
