// The texts of the 3D view: its caption, its context menu and its messages (OpenGL failures,
// a picture that could not be written, a factor that is not a number).
#pragma once

namespace vornel {

namespace view3d_text {
inline constexpr char kCaption[] = "3-D View";
inline constexpr char kSavePicture[] = "Save Picture...";
inline constexpr char kPrint[] = "Print...";
inline constexpr char kPrintFailed[] = "The 3D view could not be printed on %1.";
inline constexpr char kPictureNotWritten[] = "The picture could not be written to %1: %2";
inline constexpr char kNotNumber[] = " is not a valid number.";
}  // namespace view3d_text

}  // namespace vornel
