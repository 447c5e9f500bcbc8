#ifndef GLINFO_H
#define GLINFO_H

#include <string>
#include <vector>

// What the OpenGL driver reports, gathered from the current context and
// printed as a text report.
class glInfo {
public:
    std::string vendor;
    std::string renderer;
    std::string version;
    // Sorted byte-wise, whatever order the driver gave.
    std::vector<std::string> extensions;
    int redBits;
    int greenBits;
    int blueBits;
    int alphaBits;
    int depthBits;
    int stencilBits;
    int maxLights;
    int maxTextureSize;
    int maxClipPlanes;
    int maxModelViewStacks;
    int maxProjectionStacks;
    int maxAttribStacks;
    int maxTextureStacks;

    glInfo();

    // False as soon as a driver string is missing (no current context).
    bool getInfo();
    void printSelf();
    // Whole names only.
    bool isExtensionSupported(const char* name);
};

#endif
