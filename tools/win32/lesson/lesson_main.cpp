// halvertone-lesson PROGRAM_DIR OUTPUT_DIR: plays a whole lesson with the real program in
// PROGRAM_DIR (its Setting.ini names a plugged-in virtual webcam whose set-up, with
// "LivePen"=1, is OUTPUT_DIR\webcam.ini) and leaves a screenshot of every step in OUTPUT_DIR.
// Exits with the number of failed steps.
#include <cstdio>
#include <string>

#include "tools/win32/lesson/lesson.h"

namespace {

// Unix paths given by the run script are reached through Wine's Z: drive.
std::string WindowsDirectory(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: halvertone-lesson PROGRAM_DIR OUTPUT_DIR\n");
        return 2;
    }
    halvertone::lesson::Lesson lesson({WindowsDirectory(argv[1]), WindowsDirectory(argv[2])});
    return lesson.Run() == 0 ? 0 : 1;
}
