// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core compiled to WebAssembly (web/core/Bindings.cpp), as the page sees it.
declare module 'brontel-core' {
    export interface Refusal {
        kind: 'notANumber' | 'tooLarge' | 'outOfRange';
        field: 'nIndex' | 'nAlfa';
        text: string;
        value: string;
        lowest: string;
        highest: string;
    }
    export interface PageCore {
        setDecimalComma(comma: boolean): void;
        click(option: string): boolean;
        type(field: string, text: string): boolean;
        scroll(value: number): void;
        start(): Refusal | null;
        advance(steps: number): number;
        pause(): void;
        resume(): void;
        singleStep(): void;
        stop(): void;
        state(): 'idle' | 'running' | 'paused';
        stepsShown(): number;
        slowDownCount(): number;
        field(name: string): string;
        selectedOption(frame: string): string;
        scrollValue(): number;
        markerY(): number;
        detectorHLabelTop(): number;
        substanceTag(): string;
        pictureSize(): number;
        pictureFrom(from: number): Float32Array;
        detectorPlaces(): number[];
        csv(): string;
        delete(): void;
    }
    export interface CoreModule {
        PageCore: new () => PageCore;
        timeSums(repeats: number): number;
    }
    export default function createBrontelCore(): Promise<CoreModule>;
}
