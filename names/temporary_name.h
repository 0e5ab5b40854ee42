#pragma once
// The name that every target about to receive a clipboard name carries
// between a restore's two passes, so that no old name blocks a new one and
// names can be swapped or rotated among the targets. These exact bytes (two
// blanks first, 29 in all) are what a restore writes to the host between its
// passes: they must stay as they are.
constexpr char kTemporaryName[] = "  *TEMPORALYNAME_forTagkeeper";
