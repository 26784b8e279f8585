#pragma once
// The first step of each program's main, before Qt or anything else runs.

namespace startup {

// A write past the user's file-size limit (ulimit -f) raises SIGXFSZ, which by default ends the
// program on the spot: the drawing being saved is lost and a half-written temporary file stays
// behind. Ignored, the write fails with EFBIG instead, and the save reports it as it reports a
// full disk.
//
// SIGTERM, SIGHUP and SIGINT still end the program as they would by default, but first remove
// the temporary file of a save they cut short (where the file system gave it a name). One
// that was ignored when the program started stays ignored.
//
// Base folders named by the environment (XDG_*) with a relative value are removed from it, as
// the base-directory rules ask: Qt would take them relative to the working folder, so that
// programs started in different folders would not meet, and files would land wherever the
// program happened to start. A list keeps its absolute entries.
void prepareProcess();

// The part of prepareProcess that drops relative base folders; on its own for tests.
void ignoreRelativeBaseFolders();

} // namespace startup
