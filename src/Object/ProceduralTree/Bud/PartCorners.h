#ifndef PARTCORNERS_H
#define PARTCORNERS_H

#include <vector>

class Mesh;
class Vertex;

// A part mesh's distinct corners (position, normal and texture coordinate
// alike bit for bit), each once in the order they first appear, and its
// triangles' corners as numbers into them. A tree writes each placed part's
// corners once: the renderer's vertex stage then runs each once, and the
// picture is that of the triangles one by one.
class PartCorners {
public:
    explicit PartCorners(Mesh* mesh);

    std::vector<Vertex*> corners;
    std::vector<unsigned int> triangleCorners;
};

#endif
