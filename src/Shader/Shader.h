#ifndef SHADER_H
#define SHADER_H

// One built-in vertex shader linked into a program; fragments stay with the
// fixed-function pipeline. Needs a current OpenGL context.
class Shader {
public:
    bool isLoaded;
    unsigned int vertexShader;
    unsigned int program;
    int compileStatus;
    int linkStatus;

    Shader();
    virtual ~Shader();

    // A failed compile or link prints the driver's log on standard error.
    void loadShader();
    void useProgram();
};

#endif
