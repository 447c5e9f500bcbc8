#ifndef TEXTURESMESHES_H
#define TEXTURESMESHES_H

#include <vector>

#include "Mesh/Mesh.h"
#include "Texture/Texture.h"

// The one registry of the game's textures and meshes, built before any
// window exists: textures only record their paths (they load at their first
// bind), every mesh slot parses its own read of its OBJ file. Users borrow
// the objects through the fields; nobody changes the registry afterwards.
class TexturesMeshes {
public:
    Texture* trunkTexture;
    Texture* leves1Texture;
    Texture* leafTexture2;
    Texture* trunk2Texture;
    Texture* basketTexture;
    Texture* flowerPetalsTexture;
    Texture* fireTexture;
    Texture* ground1Texture;
    Texture* cliffTexture;
    Texture* lavaRockGroundTexture;
    Texture* hotLavaCliffTexture;
    Texture* snowTexture;
    Texture* iceTextureSide;
    Texture* mysticTopTexture;
    Texture* mysticSideTexture;
    Texture* dirtGroundTexture;
    Texture* dirtCliffTexture;
    Texture* waterTexture1;
    Texture* waterTexture3;
    Texture* fsTexture;
    Texture* plasmaTexture;
    Texture* fireBallParticleTexture;
    Texture* islandHomeMiniMapTexture;
    Texture* island1MiniMapLTexture;
    Texture* island2MiniMapTexture;
    Texture* island3MiniMapTexture;
    Texture* island4MiniMapTexture;
    Texture* island5MiniMapTexture;
    Texture* island6MiniMapTexture;
    Texture* island7MiniMapTexture;
    Texture* island8MiniMapTexture;
    Texture* island9MiniMapTexture;
    Texture* island10MiniMapTexture;
    Texture* island11MiniMapTexture;
    Texture* island12MiniMapTexture;
    Texture* fsHeroTexture;
    Texture* heroEyeTexture;
    Texture* enemyTexture;
    Texture* allyTexture;
    Texture* unsetTexture;
    Texture* mudTexture;
    Texture* goldTexture;
    Texture* thatchTexture;
    Texture* thatchTexture2;
    Texture* dirtTexture;
    Texture* dirtPatchTexture;
    Texture* enemyExplodeTexture;
    Texture* allyExplodeTexture;
    Texture* graniteTexture;
    Texture* compassFaceTexture;
    Texture* vialTexture;
    Texture* lavaRockTexture;
    Texture* hotLavaTexture;
    Texture* lavaParticleTexture;
    Texture* porchTexture;
    Texture* armourTexture;
    Texture* shopSignTexture;
    Texture* feathersTexture;
    Texture* cobblestonesTexture;
    Texture* icyTreeTexture;
    Texture* leafIceTexture;
    Texture* charcoalTexture;
    Texture* mainMapTexture;
    Texture* wizardHatTexture;
    Texture* ladyTexture;
    Texture* castleTexture;
    Texture* diamondTexture;
    Texture* appleTexture;
    Texture* statueFrontTexture;
    Texture* statueLavaRockTexture;

    Mesh* pillarMesh;
    Mesh* bowMesh;
    Mesh* eyelashesMesh;
    Mesh* farmerHatMesh;
    Mesh* statueMesh;
    Mesh* statueFrontMesh;
    Mesh* pillarSmallMesh;
    Mesh* basketMesh;
    Mesh* applesMesh;
    Mesh* stemsMesh;
    Mesh* circletGemGreenMesh;
    Mesh* iAmRichGemMesh;
    Mesh* grass;
    Mesh* mysticGrassMesh;
    Mesh* snowMesh;
    Mesh* snowLavaRockMesh;
    Mesh* portalVinesMesh;
    Mesh* portalLeavesMesh;
    Mesh* castleMesh;
    Mesh* castleRoofsMesh;
    Mesh* castleTurretMesh;
    Mesh* enemyBodyBlackMesh;
    Mesh* circletMainMesh;
    Mesh* circletGemRedMesh;
    Mesh* heroBodyLadyMesh;
    Mesh* princessHatMesh;
    Mesh* mapMesh;
    Mesh* swordMainMesh;
    Mesh* swordHandleMesh;
    Mesh* lordOfRingMesh;
    Mesh* enemyBodyIceMesh;
    Mesh* enemyBodyLavaMesh;
    Mesh* enemyBodyGoldMesh;
    Mesh* caveMesh;
    Mesh* coinsMesh;
    Mesh* heroBodyAllyMesh;
    Mesh* heroBodyMesh;
    Mesh* heroEyesMesh;
    Mesh* simpTree2Mesh;
    Mesh* treeTopSimpleMesh;
    Mesh* treeTopSimpleLowerMesh;
    Mesh* leaf1Mesh;
    Mesh* trunkMesh;
    Mesh* icyTrunkMesh;
    Mesh* charcoalLeaf1Mesh;
    Mesh* branch1Mesh;
    Mesh* branch2Mesh;
    Mesh* branch3Mesh;
    Mesh* branch4Mesh;
    Mesh* branch5Mesh;
    Mesh* icyBranch1Mesh;
    Mesh* icyBranch2Mesh;
    Mesh* icyBranch3Mesh;
    Mesh* icyBranch4Mesh;
    Mesh* icyBranch5Mesh;
    Mesh* icyLeaf1Mesh;
    Mesh* flowerPetals;
    Mesh* flowerStem;
    Mesh* flowerCenter;
    Mesh* boxMesh;
    Mesh* houseMainMesh;
    Mesh* doorMesh;
    Mesh* doorKnobMesh;
    Mesh* chimneyMesh;
    Mesh* houseRoofMesh;
    Mesh* treeHousePorchMesh;
    Mesh* treeHouseBaseMesh;
    Mesh* treeHouseLeavesMesh;
    Mesh* shopMainMesh;
    Mesh* shopRoofMesh;
    Mesh* shopDoorMesh;
    Mesh* shopChimneyMesh;
    Mesh* shopSignMesh;
    Mesh* shopTableMesh;
    Mesh* shopTeapotMesh;
    Mesh* enemyBodyMesh;
    Mesh* enemyEyesMesh;
    Mesh* islandPortalInnerMesh;
    Mesh* islandPortalLeavesMesh;
    Mesh* islandPortalMainMesh;
    Mesh* islandPortalTopsMesh;
    Mesh* islandPortalVinesMesh;
    Mesh* feetMesh;
    Mesh* handsMesh;
    Mesh* compassMainMesh;
    Mesh* compassFaceMesh;
    Mesh* compassPointerMesh;
    Mesh* vialMesh;
    Mesh* volcanoMesh;
    Mesh* leftGloveMesh;
    Mesh* rightGloveMesh;
    Mesh* leftFootMesh;
    Mesh* rightFootMesh;
    Mesh* leftArmMesh;
    Mesh* rightArmMesh;
    Mesh* ePointMesh;
    Mesh* ringMainMesh;
    Mesh* ringGemMesh;
    Mesh* boots1Mesh;
    Mesh* boots2Mesh;
    Mesh* crownMesh;
    Mesh* crownLeavesMesh;
    Mesh* crownMainMesh;
    Mesh* helmetMesh;
    Mesh* princessHatPinkMesh;

    TexturesMeshes();
    // Releases every texture and mesh, each shared object once.
    virtual ~TexturesMeshes();

    void loadTextures();
    void loadMeshes();

    // The fields in declaration order, shared objects as often as they
    // are shared and the empty slot as null.
    std::vector<Texture*> getTextureSlots();
    std::vector<Mesh*> getMeshSlots();

private:
    TexturesMeshes(const TexturesMeshes&) = delete;
    TexturesMeshes& operator=(const TexturesMeshes&) = delete;
};

#endif
