#include "map/graph_building.h"

#include <QByteArray>

namespace content::graphviz {

void set(void* object, const char* name, const QString& value) {
    QByteArray key(name);
    QByteArray text = value.toUtf8();
    QByteArray none;
    agsafeset(object, key.data(), text.data(), none.data());
}

QString get(void* object, const char* name) {
    QByteArray key(name);
    return QString::fromUtf8(agget(object, key.data()));
}

void setDefault(Agraph_t* graph, int kind, const char* name, const QString& value) {
    QByteArray key(name);
    QByteArray text = value.toUtf8();
    agattr(graph, kind, key.data(), text.data());
}

Agraph_t* subgraph(Agraph_t* parent, const QString& name) {
    QByteArray text = name.toUtf8();
    return agsubg(parent, text.data(), 1);
}

Agnode_t* node(Agraph_t* graph, const QString& name) {
    QByteArray text = name.toUtf8();
    return agnode(graph, text.data(), 1);
}

Agnode_t* findNode(Agraph_t* graph, const QString& name) {
    QByteArray text = name.toUtf8();
    return agnode(graph, text.data(), 0);
}

Agedge_t* edge(Agraph_t* graph, Agnode_t* tail, Agnode_t* head) {
    return agedge(graph, tail, head, nullptr, 1);
}

} // namespace content::graphviz
