#include "Shader/Shader.h"

#include <cassert>
#include <cstdio>
#include <vector>

#include "OpenGL/OpenGL.h"

static const char* vertexSource = "void main(){   gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;}";

Shader::Shader() : isLoaded(false), vertexShader(0), program(0), compileStatus(0), linkStatus(0) {}

Shader::~Shader() {}

void Shader::loadShader() {
    vertexShader = glCreateShader(GL_VERTEX_SHADER);
    glShaderSource(vertexShader, 1, &vertexSource, nullptr);
    glCompileShader(vertexShader);
    glGetShaderiv(vertexShader, GL_COMPILE_STATUS, &compileStatus);
    if (!compileStatus) {
        GLint length = 0;
        glGetShaderiv(vertexShader, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(length > 0 ? length : 1, '\0');
        glGetShaderInfoLog(vertexShader, (GLsizei)log.size(), nullptr, log.data());
        fprintf(stderr, "compile log = '%s'\n", log.data());
    }

    program = glCreateProgram();
    glAttachShader(program, vertexShader);
    glLinkProgram(program);
    glGetProgramiv(program, GL_LINK_STATUS, &linkStatus);
    if (linkStatus) {
        isLoaded = true;
    } else {
        GLint length = 0;
        glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
        std::vector<char> log(length > 0 ? length : 1, '\0');
        glGetProgramInfoLog(program, (GLsizei)log.size(), nullptr, log.data());
        fprintf(stderr, "link log = '%s'\n", log.data());
    }
}

void Shader::useProgram() {
    assert(isLoaded);
    glUseProgram(program);
}
