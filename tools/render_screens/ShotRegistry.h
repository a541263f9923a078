// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

// Each screen's file registers the states worth a look; main() walks them all.
struct ShotContext {
    QString directory;
    // Writes `widget` as <directory>/<name>.png.
    void save(QWidget* widget, const QString& name) const;
    // Writes what a screen reader is told of `widget` as <directory>/spoken_<name>.txt: one
    // line a node, indented by its depth: role, name and description.
    void saveSpoken(QWidget* widget, const QString& name) const;
};

using ShotFunction = std::function<void(const ShotContext&)>;

struct ShotEntry {
    QString name;
    ShotFunction render;
};

std::vector<ShotEntry>& shotRegistry();

struct RegisterShots {
    RegisterShots(const QString& name, ShotFunction render) {
        shotRegistry().push_back({name, std::move(render)});
    }
};
