#pragma once

#include <QString>

#include <graphviz/cgraph.h>

// Graphviz's graph building, with Qt's texts: Graphviz takes names and values as writable C
// strings.
namespace content::graphviz {

void set(void* object, const char* name, const QString& value);
// The value of the attribute; an empty text when it has none.
QString get(void* object, const char* name);
void setDefault(Agraph_t* graph, int kind, const char* name, const QString& value);
Agraph_t* subgraph(Agraph_t* parent, const QString& name);
// The node of that name, made when missing.
Agnode_t* node(Agraph_t* graph, const QString& name);
// The node of that name; nullptr when there is none.
Agnode_t* findNode(Agraph_t* graph, const QString& name);
Agedge_t* edge(Agraph_t* graph, Agnode_t* tail, Agnode_t* head);

} // namespace content::graphviz
