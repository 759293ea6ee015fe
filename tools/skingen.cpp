// skingen <outdir>: writes the program's skin.bmp and tinctora.ico into
// outdir. Run it into res/ after changing the artwork or the layout, and
// commit the two files with the change.
#include "tools/skinart.h"

#include <cstdio>
#include <string>

namespace {

bool writeFile(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: skingen <outdir>\n");
        return 2;
    }
    std::string dir = argv[1];
    std::vector<uint8_t> icon = encodeIcon();
    if (icon.empty()) {
        fprintf(stderr, "skingen: an icon image has more than 256 colours\n");
        return 1;
    }
    std::vector<uint8_t> skin = encodeBmp(drawSkin());
    if (skin.empty()) {
        fprintf(stderr, "skingen: the skin has more than 256 colours\n");
        return 1;
    }
    const char *failed = nullptr;
    if (!writeFile(dir + "/skin.bmp", skin))
        failed = "skin.bmp";
    else if (!writeFile(dir + "/tinctora.ico", icon))
        failed = "tinctora.ico";
    if (failed) {
        fprintf(stderr, "skingen: cannot write %s/%s\n", dir.c_str(), failed);
        return 1;
    }
    return 0;
}
