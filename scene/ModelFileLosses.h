#pragma once
#include <string>

class TAV_SceneNode;

// What a model file (".qvl") cannot keep of a scene: the scene is written as a
// model file, read back, and the two trees are compared field by field.
class ModelFileLosses
{
public:
    // The kinds of attributes that would be lost, as a short list such as
    // "colours, textures, visibility"; empty when a model file keeps everything.
    static std::string Describe(const TAV_SceneNode& root);
};
