#include "core/collection/CollectionNode.h"
#include "core/collection/CollectionNodeList.h"

CollectionNode::CollectionNode() = default;

// The children list tears the subtree down without recursion.
CollectionNode::~CollectionNode() = default;

std::unique_ptr<CollectionNode> CollectionNode::MakeFolder(const std::string& name)
{
    std::unique_ptr<CollectionNode> node(new CollectionNode);
    node->name = name;
    node->children.reset(new CollectionNodeList);
    return node;
}

std::unique_ptr<CollectionNode> CollectionNode::MakeLink(const std::string& name, const std::string& url)
{
    std::unique_ptr<CollectionNode> node(new CollectionNode);
    node->name = name;
    node->url = url;
    return node;
}
