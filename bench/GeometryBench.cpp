// Measures the octree view query over an island's worth of objects and the
// polygon sphere test over a patch of terrain triangles. Prints ns per call.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "Octree/Octree.h"

namespace {

class Prop : public Object {
public:
    Prop(Vector3D at, float radius) {
        setPosition(at);
        setBoundingRadius(radius);
    }
    void draw() override {}
};

float terrainHeight(float x, float z) { return 6.0f + 4.0f * std::sin(x * 0.11f) * std::cos(z * 0.07f); }

// Best of a few rounds, so one preempted round does not count.
template <typename F>
double nsPerCall(long calls, F&& body) {
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        auto start = std::chrono::steady_clock::now();
        body();
        auto stop = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::nano>(stop - start).count() / calls);
    }
    return best;
}

volatile size_t sink;

void benchOctree() {
    const float width = 300;
    const int objectCount = 400;
    std::vector<std::unique_ptr<Prop>> props;
    std::vector<Object*> list;
    // Deterministic scatter over the island, on the ground, of mixed sizes.
    unsigned state = 12345;
    auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return (state >> 8) / 16777216.0f;
    };
    for (int i = 0; i < objectCount; ++i) {
        float x = (next() - 0.5f) * (width - 20), z = (next() - 0.5f) * (width - 20);
        props.emplace_back(new Prop(Vector3D(x, terrainHeight(x, z), z), 1.0f + 7.0f * next()));
        list.push_back(props.back().get());
    }

    Octree octree;
    auto built = std::chrono::steady_clock::now();
    octree.buildOctree(width, 5);
    octree.fillOctree(&list);
    double buildMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - built).count();

    // A walk around the island, looking in every direction from eye height.
    struct View {
        Vector3D eye, centre, up;
    };
    std::vector<View> views;
    for (int i = 0; i < 64; ++i) {
        double heading = i * 0.7;
        float x = (float)(std::cos(i * 0.3) * 100), z = (float)(std::sin(i * 0.45) * 100);
        Vector3D eye(x, terrainHeight(x, z) + 3.0f, z);
        Vector3D centre(eye.x + (float)std::cos(heading), eye.y - 0.1f, eye.z + (float)std::sin(heading));
        views.push_back({eye, centre, Vector3D(0, 1, 0)});
    }

    const int passes = 20;
    size_t visibleTotal = 0;
    double ns = nsPerCall((long)passes * views.size(), [&]() {
        visibleTotal = 0;
        for (int pass = 0; pass < passes; ++pass) {
            for (View& view : views) {
                VisibleObjectSet visible = octree.getObjectsInFrustum(&view.eye, &view.centre, &view.up);
                visibleTotal += visible.size();
            }
        }
    });
    sink = visibleTotal;
    std::printf("octree view query: %d objects, width %.0f, depth 5 (built and filled in %.1f ms)\n", objectCount,
                width, buildMs);
    std::printf("  %.0f ns per call, %.1f objects visible on average\n", ns,
                (double)visibleTotal / ((double)passes * views.size()));
}

void benchSphereTest() {
    // A 40 x 40 cell patch of rolling ground, two triangles a cell.
    const int cells = 40;
    std::vector<std::unique_ptr<Polygon3D>> triangles;
    auto corner = [](int i, int j) { return Vector3D((float)i, terrainHeight((float)i, (float)j), (float)j); };
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            Vector3D a = corner(i, j), b = corner(i + 1, j), c = corner(i, j + 1), d = corner(i + 1, j + 1);
            Vector3D up(0, 1, 0);
            Polygon3D* first = new Polygon3D();
            first->addVertex(new Vertex(a, up));
            first->addVertex(new Vertex(c, up));
            first->addVertex(new Vertex(b, up));
            Polygon3D* second = new Polygon3D();
            second->addVertex(new Vertex(b, up));
            second->addVertex(new Vertex(c, up));
            second->addVertex(new Vertex(d, up));
            triangles.emplace_back(first);
            triangles.emplace_back(second);
        }
    }
    // Figures standing on the ground and just above it.
    std::vector<Vector3D> centres;
    for (int k = 0; k < 16; ++k) {
        float x = 3.0f + k * 2.1f, z = 5.0f + k * 1.7f;
        centres.emplace_back(x, terrainHeight(x, z) + 0.2f + (k % 3) * 0.4f, z);
    }

    size_t hits = 0;
    double ns = nsPerCall((long)triangles.size() * centres.size(), [&]() {
        hits = 0;
        for (Vector3D& centre : centres) {
            for (auto& triangle : triangles) {
                hits += triangle->doesSphereCollide(&centre, 1.35f);
            }
        }
    });
    sink = hits;
    std::printf("Polygon3D::doesSphereCollide: %zu terrain triangles, %zu spheres of radius 1.35\n", triangles.size(),
                centres.size());
    std::printf("  %.1f ns per call (%zu hits per sweep)\n", ns, hits);
}

}  // namespace

int main() {
    benchOctree();
    benchSphereTest();
    return 0;
}
