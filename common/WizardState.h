#pragma once
// Shared variables of the design wizards. The wizards keep their state in variables that live
// as long as the program runs; a few windows outside the wizards store into them too, so they
// are defined here, where every library can reach them. Each variable names the windows that
// write and read it. The wizards add their own variables to this namespace.
//
// All variables belong to the window system's single thread.

namespace wizard {

// InactiveEndCoils (n2): the count of inactive end coils of a compression spring. Written by
// the compression wizard's end-form step and, on every refresh while it is open, by the
// end-form picker Form129; read by the compression wizard's design and check steps. Whichever
// window stored last decides. Single precision; 0 until something stores into it.
extern float inactiveEndCoils;

} // namespace wizard
