// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as designed: its size, and every visible control's kind, place (twips; inside a
// frame relative to the frame), font and caption (a Czech source text of the translations).

export const twipsPerPixel = 15;
export const designWidth = 763;
export const designHeight = 575;

export type Kind = 'caption' | 'field' | 'button' | 'frame' | 'option' | 'scroll' | 'label';

export interface Control {
    name: string;
    kind: Kind;
    place: [number, number, number, number]; // left, top, width, height in twips
    frame?: string;
    text?: string; // a Czech source text in the context "Brontel"; none for fixed texts
    fixed?: string; // a text the same in every language
    points?: number; // serif bold font size
    green?: boolean; // on the substance's green
    align?: 'left' | 'center' | 'right';
    black?: boolean;
    tip?: string;
}

// In the design's tab order; frames carry their options.
export const controls: Control[] = [
    { name: 'nuBrontel', kind: 'caption', place: [4440, 0, 2295, 375], fixed: 'Brontel', points: 15.75,
      tip: 'Brontel: úplný odraz světla, sečtený ze všech drah (F1: nápověda)' },
    { name: 'cmdStart', kind: 'button', place: [6840, 0, 975, 375], text: 'Start', points: 18,
      tip: 'Spustí pokus s nastavením vlevo' },
    { name: 'nAlfa', kind: 'field', place: [960, 5040, 855, 330], points: 14.25,
      tip: 'Úhel dopadu ve stupních; lze jej přepsat (0 až 90)' },
    { name: 'frmDopad', kind: 'frame', place: [480, 5400, 1335, 1095], text: 'Úhel dopadu',
      tip: 'Úhel, pod kterým světlo dopadá na hladinu' },
    { name: 'opMezní', kind: 'option', frame: 'frmDopad', place: [360, 480, 735, 255], text: 'Mezní',
      tip: 'Mezní úhel látky: lomený paprsek se klouže po hladině' },
    { name: 'opVětší', kind: 'option', frame: 'frmDopad', place: [480, 720, 615, 255], fixed: '60',
      tip: 'Úhel dopadu 60°: úplný odraz' },
    { name: 'opMenší', kind: 'option', frame: 'frmDopad', place: [240, 240, 735, 195], fixed: '35',
      tip: 'Úhel dopadu 35°: světlo se láme do vzduchu i odráží' },
    { name: 'nIndex', kind: 'field', place: [720, 1440, 855, 330], points: 14.25,
      tip: 'Index lomu látky; lze jej přepsat (0,5 až 1 000 000)' },
    { name: 'frmLátka', kind: 'frame', place: [480, 1800, 975, 975], text: 'Látka',
      tip: 'Látka pod hladinou, vzduch je nad ní' },
    { name: 'opVoda', kind: 'option', frame: 'frmLátka', place: [120, 240, 735, 255], text: 'Voda',
      tip: 'Voda, index lomu 1,33' },
    { name: 'opSklo', kind: 'option', frame: 'frmLátka', place: [120, 600, 735, 255], text: 'Sklo',
      tip: 'Sklo, index lomu 1,5' },
    { name: 'frmDistance', kind: 'frame', place: [240, 3120, 1935, 1335], text: 'Distance detektoru',
      tip: 'Výška dráhy detektoru H nad hladinou, v twipech' },
    { name: 'opVelkáDistance', kind: 'option', frame: 'frmDistance', place: [120, 240, 1335, 255],
      fixed: '1500', tip: 'Detektor H 1500 twipů nad hladinou' },
    { name: 'opStředníDistance', kind: 'option', frame: 'frmDistance', place: [600, 600, 855, 255],
      fixed: '750', tip: 'Detektor H 750 twipů nad hladinou' },
    { name: 'opMaláDistance', kind: 'option', frame: 'frmDistance', place: [1080, 960, 615, 255],
      fixed: '100', tip: 'Detektor H 100 twipů nad hladinou' },
    { name: 'nTextIndex', kind: 'caption', place: [480, 1200, 1095, 285], text: 'Index lomu',
      tip: 'Index lomu látky pod hladinou' },
    { name: 'nDetektorH', kind: 'caption', place: [5640, 3840, 1215, 285], text: 'Detektor H',
      tip: 'Detektor H jede vodorovně vpravo ve vzduchu nad hladinou' },
    { name: 'nDetektorS', kind: 'caption', place: [8400, 6120, 1215, 255], text: 'Detektor L',
      green: true, align: 'center', tip: 'Detektor L jede vodorovně vpravo v látce pod hladinou' },
    { name: 'nDetektorV', kind: 'caption', place: [5880, 1200, 1215, 285], text: 'Detektor V',
      tip: 'Detektor V jede svisle dolů po sondě skrz hladinu' },
    { name: 'nCornuovySpirály', kind: 'caption', place: [7800, 600, 1815, 255], text: 'Cornuovy spirály',
      tip: 'Cornuovy spirály detektoru V: řetězy 1001 šipek' },
    { name: 'nPravd2podobnost', kind: 'caption', place: [7440, 960, 1935, 285], text: 'Pravděpodobnost',
      align: 'right', black: true,
      tip: 'Sloupce: pravděpodobnost, že světlo dorazí k detektoru, v každém kroku' },
    { name: 'cmdKonec', kind: 'button', place: [8040, 0, 1215, 375], text: 'Konec', points: 18,
      tip: 'Ukončí program (během pokusu po dokreslení kroku)' },
    { name: 'labKlepnete', kind: 'label', place: [3960, 1800, 3255, 855], text: 'Klepněte na tlačítko Start',
      points: 18, align: 'center', tip: 'Start spustí pokus; pravé tlačítko myši otevře nabídku' },
    { name: 'nSklo', kind: 'caption', place: [8160, 5280, 615, 285], text: 'Sklo', points: 14.25,
      green: true, align: 'center', tip: 'Látka pod hladinou: sklo' },
    { name: 'nVoda', kind: 'caption', place: [8280, 5280, 735, 285], text: 'Voda', points: 14.25,
      green: true, align: 'center', tip: 'Látka pod hladinou: voda' },
    { name: 'nCornuLatka', kind: 'caption', place: [3240, 6600, 1815, 330], text: 'Cornuovy spirály',
      green: true, tip: 'Cornuovy spirály detektoru L v látce' },
    { name: 'HScroll1', kind: 'scroll', place: [4080, 480, 2415, 255],
      tip: 'Rychlost animace: vlevo nejrychleji, vpravo nejpomaleji' },
];

// The seven line controls: x1, y1, x2, y2 in twips and width in pixels. Line1 follows the
// detector distance.
export const lineControls: [number, number, number, number, number][] = [
    [2880, 3720, 11400, 3720, 1],
    [7320, 720, 7320, 7800, 1],
    [2880, 6480, 11400, 6480, 1],
    [2880, 5040, 11400, 5040, 2],
    [2880, 7080, 11400, 7080, 1],
    [9840, 600, 9840, 7800, 1],
    [3120, 840, 3120, 7800, 1],
];
