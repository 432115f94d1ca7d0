// The source of the targets that precompile Qt's headers for the others
// (cmake/TenacioHelpers.cmake); it holds nothing of its own.
