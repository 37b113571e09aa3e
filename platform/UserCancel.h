#pragma once
// The program offers no key that cancels a drawing in progress: long layouts always run to their
// end, so this answers False.
inline bool UserCancelled() { return false; }
