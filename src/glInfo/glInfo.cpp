#include "glInfo/glInfo.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "OpenGL/OpenGL.h"

glInfo::glInfo()
    : redBits(0),
      greenBits(0),
      blueBits(0),
      alphaBits(0),
      depthBits(0),
      stencilBits(0),
      maxLights(0),
      maxTextureSize(0),
      maxClipPlanes(0),
      maxModelViewStacks(0),
      maxProjectionStacks(0),
      maxAttribStacks(0),
      maxTextureStacks(0) {}

bool glInfo::getInfo() {
    const char* text = (const char*)glGetString(GL_VENDOR);
    if (text == nullptr) return false;
    vendor = text;
    text = (const char*)glGetString(GL_RENDERER);
    if (text == nullptr) return false;
    renderer = text;
    text = (const char*)glGetString(GL_VERSION);
    if (text == nullptr) return false;
    version = text;
    text = (const char*)glGetString(GL_EXTENSIONS);
    if (text == nullptr) return false;

    // Split a copy; the driver's string is not ours to cut.
    extensions.clear();
    std::istringstream names{std::string(text)};
    for (std::string name; names >> name;) {
        extensions.push_back(name);
    }
    std::sort(extensions.begin(), extensions.end());

    glGetIntegerv(GL_RED_BITS, &redBits);
    glGetIntegerv(GL_GREEN_BITS, &greenBits);
    glGetIntegerv(GL_BLUE_BITS, &blueBits);
    glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    glGetIntegerv(GL_MAX_CLIP_PLANES, &maxClipPlanes);
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &maxModelViewStacks);
    glGetIntegerv(GL_MAX_PROJECTION_STACK_DEPTH, &maxProjectionStacks);
    glGetIntegerv(GL_MAX_ATTRIB_STACK_DEPTH, &maxAttribStacks);
    glGetIntegerv(GL_MAX_TEXTURE_STACK_DEPTH, &maxTextureStacks);
    return true;
}

void glInfo::printSelf() {
    std::stringstream report;
    report << std::endl;
    report << "OpenGL Driver Info" << std::endl;
    report << "==================" << std::endl;
    report << "Vendor: " << vendor << std::endl;
    report << "Version: " << version << std::endl;
    report << "Renderer: " << renderer << std::endl;
    report << std::endl;
    report << "Color Bits(R,G,B,A): (" << redBits << ", " << greenBits << ", " << blueBits << ", " << alphaBits
           << ")\n";
    report << "Depth Bits: " << depthBits << std::endl;
    report << "Stencil Bits: " << stencilBits << std::endl;
    report << std::endl;
    report << "Max Texture Size: " << maxTextureSize << "x" << maxTextureSize << std::endl;
    report << "Max Lights: " << maxLights << std::endl;
    report << "Max Clip Planes: " << maxClipPlanes << std::endl;
    report << "Max Modelview Matrix Stacks: " << maxModelViewStacks << std::endl;
    report << "Max Projection Matrix Stacks: " << maxProjectionStacks << std::endl;
    report << "Max Attribute Stacks: " << maxAttribStacks << std::endl;
    report << "Max Texture Stacks: " << maxTextureStacks << std::endl;
    report << std::endl;
    report << "Total Number of Extensions: " << extensions.size() << std::endl;
    report << "==============================" << std::endl;
    for (const std::string& name : extensions) {
        report << name << std::endl;
    }
    report << "======================================================================" << std::endl;
    std::cout << report.str() << std::endl;
}

bool glInfo::isExtensionSupported(const char* name) {
    if (name == nullptr) {
        return false;
    }
    for (const std::string& extension : extensions) {
        if (extension == name) {
            return true;
        }
    }
    return false;
}
