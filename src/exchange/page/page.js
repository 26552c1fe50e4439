// The catalogue page: shows the tapes and films of the JSON block "catalogue" and filters them as one
// types. Every text of the catalogue goes in as text, never as markup.
'use strict';
(function () {
    const block = document.getElementById('catalogue');
    const data = JSON.parse(block.textContent);
    // Megabytes of text the page need not keep, nor lay out again at every change.
    block.remove();
    const texts = data.text;
    const tapes = data.tapes;
    const captions = data.captions;
    // A tape: [name, length, minutes left, film, ...]; a film: [title, year, director, genre, marks,
    // counter range, actor, ...]. Texts are indices into texts, 0 the empty one.
    const NAME = 0, LENGTH = 1, LEFT = 2, FIRST_FILM = 3;
    const TITLE = 0, YEAR = 1, DIRECTOR = 2, GENRE = 3, MARKS = 4, COUNTER = 5, FIRST_ACTOR = 6;
    const LONG_PLAY = 1, BLACK_WHITE = 2;
    // Films shown at a time: the rest follow as the reader scrolls toward them, and all before printing,
    // so that a catalogue of a hundred thousand films answers each key at once.
    const STEP = 25;

    const lowered = texts.map((text) => text.toLowerCase());
    const list = document.getElementById('tapes');
    const search = document.getElementById('search');
    const status = document.getElementById('count');
    const more = document.getElementById('more');
    const summary = status.textContent;
    let total = 0;
    for (const tape of tapes)
        total += tape.length - FIRST_FILM;

    let shown = []; // [tape, its films to show, or null for all of them]
    let next = 0; // the first entry of shown not on the page yet
    let query = null;

    function element(tag, className, text) {
        const e = document.createElement(tag);
        if (className)
            e.className = className;
        if (text !== undefined)
            e.textContent = text;
        return e;
    }

    function filled(template, value) {
        return template.replace('%1', String(value));
    }

    function mark(short, long) {
        const e = element('span', 'mark');
        e.title = long;
        const visible = element('span', null, short);
        visible.setAttribute('aria-hidden', 'true');
        e.append(visible, element('span', 'vh', long));
        return e;
    }

    function filmItem(film) {
        const item = element('li', 'film');
        const counter = element('span', 'counter');
        counter.append(element('span', 'vh', captions.counter), film[COUNTER]);
        const body = element('div', 'body');
        const title = element('h3', 'title', texts[film[TITLE]]);
        if (film[MARKS] & LONG_PLAY)
            title.append(' ', mark(captions.lp, captions.longPlay));
        if (film[MARKS] & BLACK_WHITE)
            title.append(' ', mark(captions.bw, captions.blackWhite));
        body.append(title);
        const details = [];
        if (film[YEAR])
            details.push([captions.year, String(film[YEAR])]);
        if (film[DIRECTOR])
            details.push([captions.director, texts[film[DIRECTOR]]]);
        if (film[GENRE])
            details.push([captions.genre, texts[film[GENRE]]]);
        if (details.length) {
            const line = element('p', 'details');
            details.forEach(([caption, value], i) => {
                if (i)
                    line.append(' \u00b7 ');
                line.append(element('span', 'vh', caption), value);
            });
            body.append(line);
        }
        if (film.length > FIRST_ACTOR) {
            const actors = element('p', 'actors');
            const names = film.slice(FIRST_ACTOR).map((index) => texts[index]);
            actors.append(element('span', 'vh', captions.actors), names.join(', '));
            body.append(actors);
        }
        item.append(counter, body);
        return item;
    }

    function tapeSection(tape, films) {
        const section = element('section', 'tape');
        const left = tape[LEFT];
        section.append(element('h2', null, texts[tape[NAME]]),
                       element('p', 'meta', filled(captions.length, tape[LENGTH]) + ' \u00b7 ' +
                                                (left >= 0 ? filled(captions.left, left)
                                                           : filled(captions.over, -left))));
        if (tape.length === FIRST_FILM) {
            section.append(element('p', 'empty', captions.empty));
            return section;
        }
        const ol = element('ol', 'films');
        if (films) {
            for (const film of films)
                ol.append(filmItem(film));
        } else {
            for (let f = FIRST_FILM; f < tape.length; ++f)
                ol.append(filmItem(tape[f]));
        }
        section.append(ol);
        return section;
    }

    // Puts the next tapes on the page, about limit films of them.
    function showMore(limit) {
        const fragment = document.createDocumentFragment();
        let films = 0;
        while (next < shown.length && films < limit) {
            const [tape, chosen] = shown[next++];
            fragment.append(tapeSection(tape, chosen));
            films += chosen ? chosen.length : tape.length - FIRST_FILM;
        }
        list.append(fragment);
        more.hidden = next >= shown.length;
        // Observed anew, the marker is reported again while it is still in reach.
        if (!more.hidden) {
            observer.unobserve(more);
            observer.observe(more);
        }
    }

    const years = [];
    function yearText(year) {
        return years[year] || (years[year] = String(year));
    }

    function matches(film, words, hits) {
        for (let w = 0; w < words.length; ++w) {
            const hit = hits[w];
            if (hit[film[TITLE]] || hit[film[DIRECTOR]] || hit[film[GENRE]] ||
                (film[YEAR] && yearText(film[YEAR]).includes(words[w])))
                continue;
            let found = false;
            for (let a = FIRST_ACTOR; a < film.length && !found; ++a)
                found = hit[film[a]] === 1;
            if (!found)
                return false;
        }
        return true;
    }

    // The last searches, the newest last: a word typed on is looked for only in the texts an earlier
    // word it contains was found in, a search that adds to an earlier one only among its films, and a
    // search met again (a key taken back) is answered at once.
    const searches = [];
    const KEPT = 16;

    function hitsOf(word) {
        let base = null;
        let baseLength = -1;
        for (const earlier of searches) {
            earlier.words.forEach((before, w) => {
                if (before.length > baseLength && word.includes(before)) {
                    base = earlier.hits[w];
                    baseLength = before.length;
                }
            });
        }
        // Each text is looked at once, however many films share it.
        const hit = new Uint8Array(lowered.length);
        for (let i = 1; i < lowered.length; ++i) {
            if ((!base || base[i]) && lowered[i].includes(word))
                hit[i] = 1;
        }
        return hit;
    }

    // The tapes and films where every word is found in the title, director, an actor, the genre or
    // the year.
    function found(words) {
        const key = words.join(' ');
        const kept = searches.find((earlier) => earlier.key === key);
        if (kept)
            return kept;
        const hits = words.map(hitsOf);
        let among = null;
        for (let s = searches.length - 1; s >= 0 && !among; --s) {
            const earlier = searches[s];
            if (earlier.words.every((before, w) => w < words.length && words[w].includes(before)))
                among = earlier.shown;
        }
        const shown = [];
        let count = 0;
        for (const [tape, films] of among || tapes.map((tape) => [tape, null])) {
            let chosen = null;
            const from = films || tape;
            for (let f = films ? 0 : FIRST_FILM; f < from.length; ++f) {
                if (matches(from[f], words, hits))
                    (chosen || (chosen = [])).push(from[f]);
            }
            if (chosen) {
                shown.push([tape, chosen]);
                count += chosen.length;
            }
        }
        const result = {key: key, words: words, hits: hits, shown: shown, count: count};
        searches.push(result);
        if (searches.length > KEPT)
            searches.shift();
        return result;
    }

    function filter() {
        const words = search.value.toLowerCase().split(/\s+/).filter(Boolean);
        const key = words.join(' ');
        if (key === query)
            return;
        query = key;
        let count = total;
        if (words.length === 0) {
            shown = tapes.map((tape) => [tape, null]);
        } else {
            const result = found(words);
            shown = result.shown;
            count = result.count;
        }
        list.textContent = '';
        next = 0;
        if (words.length && count === 0)
            list.append(element('p', 'none', captions.none));
        showMore(STEP);
        // The first of the films found comes into view below the search, wherever the list was.
        if (window.scrollY > 0) {
            const top = document.querySelector('header').offsetHeight;
            if (window.scrollY > top)
                window.scrollTo(0, top);
        }
        status.dataset.shown = String(count);
        status.textContent = words.length ? filled(captions.shown, count) : summary;
    }

    const observer = new IntersectionObserver((entries) => {
        if (entries.some((entry) => entry.isIntersecting))
            showMore(STEP);
    }, {rootMargin: '0px 0px 1000px 0px'});
    window.addEventListener('beforeprint', () => showMore(Infinity));
    search.addEventListener('input', filter);
    filter();
})();
