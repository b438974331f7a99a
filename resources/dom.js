// Page-side helpers of automation, run in the page by the web engine's page
// access: the file is one object whose functions the access calls on an
// element, as ("(" + file + ").describe(this, 3, false, true)"). The access
// writes the rule of the text's flow into "flow" below, as the one table the
// engine reads too gives it (TextFlow::script() of the page access).
//
// describe(root, limit, pieces, rootShown): how the texts of the root's
// subtree are written, one line per element (joined by U+0001) in the order of
// a walk through the element children. Four flags: "1" for an element on the
// layout whose text the page writes as usual (an ordinary HTML element or a
// preformatted one, not a form control, frame, media or table part, inside
// such elements or the body; no first letter in it, or in an element around
// it, restyled; neither it nor an element around it a box that clips all it
// holds away, by the rule's "clip": what such a box holds is read, never
// worked out),
// "1" when it holds a single element and no other text but white space, "1"
// when its own text is shown (neither hidden nor masked), "1" when the page
// writes its text in the texts around it as it writes it alone (it stands in
// the text's flow by the rule of "flow"), "2" for an element out of the
// layout, which writes nothing, nor does anything inside it (automation's
// flowOf() tells the same), "3" for a box that clips all it holds away and
// stands in the flow: it writes nothing of what it holds, in its own text or
// in the texts around it, but for what is positioned out of it (what it holds
// is told by its own styles). Then what
// opens its content: "E" an element, "T" and the start of a text up to the
// limit, where it stands as the page writes it (printable ASCII, one space
// between words), "U" and such a text whole with an element after it; a
// separator (U+0002) and what closes it: "E" an element (white space after it
// aside), "F" a block (not a paragraph or heading) with nothing after it, "T"
// and the end of such a text; when "pieces" is set, a separator and its child
// nodes (joined by U+0003): "E" an element, "B" a line break, "T" and a text
// without white space in lower case, "?" anything else (white space and
// comments left out).
// "rootShown": whether the root itself is on the layout.
({
  describe: function (root, limit, pieces, rootShown) {
    var html = 'http://www.w3.org/1999/xhtml';
    var flow = TEXT_FLOW;
    function shown(c) { return c > 32 && c < 127; }
    function space(d) { return /^[ \t\n\r\f]*$/.test(d); }
    function opening(d) {
      var n = d.length, i = 1;
      if (!n || !shown(d.charCodeAt(0))) return '';
      while (i < n && i < limit) {
        if (shown(d.charCodeAt(i))) ++i;
        else if (d.charCodeAt(i) == 32 && i + 1 < n && shown(d.charCodeAt(i + 1))) i += 2;
        else break;
      }
      return d.substring(0, Math.min(i, limit));
    }
    function closing(d) {
      var n = d.length, start = n - 1;
      if (!n || !shown(d.charCodeAt(start))) return '';
      while (start > 0 && n - start < limit) {
        if (shown(d.charCodeAt(start - 1))) --start;
        else if (d.charCodeAt(start - 1) == 32 && start > 1 && shown(d.charCodeAt(start - 2))) start -= 2;
        else break;
      }
      return d.substring(Math.max(start, n - limit));
    }
    function silent(node) { return node.nodeType == 8 || node.nodeType == 7; }
    // The kind of an HTML element in the text's flow ("" for one apart).
    function kindOf(e) {
      if (e.namespaceURI != html) return '';
      var name = e.localName;
      return flow.kinds[name] || (name.indexOf(flow.custom) >= 0 ? 'ordinary' : '');
    }
    function isPlain(kind) { return kind == 'ordinary' || kind == 'preformatted'; }
    // Whether a box with these styles clips all it holds away: the page
    // writes nothing of what it holds (what is positioned out of it aside).
    // The computed lengths leave out the room a scroll bar takes: where they
    // leave none, the box as laid out tells.
    function clipsAll(e, style) {
      if (flow.clip.unclipped[style.getPropertyValue(flow.clip.property)] === 1 || style.display == 'inline')
        return false;
      for (var i = 0; i < flow.clip.extents.length; ++i) {
        var extent = flow.clip.extents[i], room = 0;
        for (var k = 0; k < extent.lengths.length && room <= 0; ++k) {
          var length = style.getPropertyValue(extent.lengths[k]);
          room = /px$/.test(length) ? room + parseFloat(length) : 1;
        }
        if (room <= 0 && !(e[extent.laidOut] > 0) && !(room < 0 && e.getBoundingClientRect()[extent.drawn] > 0))
          return true;
      }
      return false;
    }
    // Whether an element of the kind stands in the flow with these styles.
    function flows(kind, style) {
      if (!(flow.display[style.display] === 1 || (kind == 'replaced' && flow.replacedDisplay[style.display] === 1)))
        return false;
      for (var i = 0; i < flow.styles.length; ++i) {
        if (flow.styles[i][1][style.getPropertyValue(flow.styles[i][0])] !== 1) return false;
      }
      return true;
    }
    // "clips": the element is a box that clips all it holds away, or one
    // around it is ("inClip").
    function describe(e, kind, laid, style, unwritten, lettered, clips, inClip) {
      var ok = laid && isPlain(kind) && !clips;
      var single = ok && e.childElementCount == 1;
      for (var node = e.firstChild; single && node; node = node.nextSibling) {
        if (node.nodeType != 1 && !silent(node) && !(node.nodeType == 3 && space(node.data))) single = false;
      }
      var first = e.firstChild;
      while (first && silent(first)) first = first.nextSibling;
      var open = '';
      if (first && first.nodeType == 1) {
        open = 'E';
      } else if (first && first.nodeType == 3) {
        open = opening(first.data);
        var after = first.nextSibling;
        while (after && silent(after)) after = after.nextSibling;
        open = (open.length == first.data.length && after && after.nodeType == 1 ? 'U' : 'T') + open;
      }
      var last = e.lastChild;
      while (last && silent(last)) last = last.previousSibling;
      var close = '';
      if (last && last.nodeType == 3 && !space(last.data)) {
        close = 'T' + closing(last.data);
      } else {
        var bare = last && last.nodeType == 1;
        while (last && (silent(last) || (last.nodeType == 3 && space(last.data)))) last = last.previousSibling;
        if (last && last.nodeType == 1) {
          close = bare && !/^(p|h[1-6])$/.test(last.localName) && getComputedStyle(last).display == 'block' ? 'F' : 'E';
        }
      }
      var own = false;
      if (ok && (open.length > 1 || close.length > 1 || pieces)) {
        style = style || getComputedStyle(e);
        own = style.visibility == 'visible' && style.getPropertyValue('-webkit-text-security') == 'none';
      }
      var still = laid && (kind == 'ordinary' || kind == 'document' || kind == 'replaced');
      if (still) {
        style = style || getComputedStyle(e);
        still = flows(kind, style);
      }
      // Nothing of an element out of the layout is written: "2".
      var place = unwritten ? '2' : !still ? '0' : clips && !inClip ? '3' : '1';
      // A first letter that a style hides, masks or spaces otherwise: the
      // text no longer starts as its nodes do (see "letters" below).
      var out = (ok && !lettered ? '1' : '0') + (single ? '1' : '0') + (own ? '1' : '0') + place + open
          + '\u0002' + close;
      if (ok && pieces) {
        var parts = [];
        for (var node = e.firstChild; node; node = node.nextSibling) {
          if (node.nodeType == 1) {
            parts.push(node.localName == 'br' && node.namespaceURI == html ? 'B' : 'E');
          } else if (node.nodeType == 3) {
            if (/[^\x20-\x7e\t\n\r\f]/.test(node.data)) parts.push('?');
            else if (!space(node.data)) parts.push('T' + node.data.replace(/[ \t\n\r\f]+/g, '').toLowerCase());
          } else if (!silent(node)) {
            parts.push('?');
          }
        }
        out += '\u0002' + parts.join('\u0003');
      }
      return out;
    }
    // Whether an element or one around it is out of the layout ("display:
    // none"): then it writes nothing.
    function outOfLayout(e) {
      for (; e && e.nodeType == 1; e = e.parentNode) {
        if (getComputedStyle(e).display == 'none') return true;
      }
      return false;
    }
    // Where a style may restyle first letters, each element on the layout
    // is asked. An element whose first letter is restyled, everything inside
    // it and everything around it write their texts otherwise than their
    // nodes tell: their texts are read instead.
    var restyled = this.letters(root.ownerDocument) > 0;
    function restylesLetter(e, style) {
      var letter = getComputedStyle(e, '::first-letter');
      return letter.visibility != style.visibility || letter.whiteSpace != style.whiteSpace
          || letter.getPropertyValue('-webkit-text-security') != style.getPropertyValue('-webkit-text-security');
    }
    var within = false;
    for (var up = root.parentNode; restyled && !within && up && up.nodeType == 1; up = up.parentNode)
      within = restylesLetter(up, getComputedStyle(up));
    // Whether the children of each element on the path may be on the layout:
    // those of elements written as usual, of the body and of the root, when
    // not hidden by "display"; whether they are inside a box that clips all
    // it holds away; and whether the element is out of the layout.
    var out = [];
    var path = [];
    var clipping = [];
    var gone = [];
    // For each element on the path: its line, whether its text holds a
    // restyled first letter, whether everything inside it does.
    var lines = [];
    var marked = [];
    var under = [];
    // Nothing inside a box that clips all it holds away is written as usual.
    function clippedAround(e) {
      for (e = e.parentNode; e && e.nodeType == 1; e = e.parentNode) {
        if (clipsAll(e, getComputedStyle(e))) return true;
      }
      return false;
    }
    var laid = rootShown;
    var clippedIn = clippedAround(root);
    var unwritten = !rootShown && outOfLayout(root);
    var style = null;
    var parentUnder = within;
    for (var e = root; e;) {
      var lettered = parentUnder || (restyled && laid && restylesLetter(e, style || getComputedStyle(e)));
      for (var k = lines.length - 1; lettered && k >= 0 && !marked[k]; --k) {
        marked[k] = true;
        out[lines[k]] = '0' + out[lines[k]].substring(1);
      }
      var kind = kindOf(e);
      var holds = laid && (isPlain(kind) || kind == 'document');
      if (holds) style = style || getComputedStyle(e);
      var clips = clippedIn || (holds && clipsAll(e, style));
      out.push(describe(e, kind, laid, style, unwritten, lettered, clips, clippedIn));
      if (e.firstElementChild) {
        path.push(holds);
        clipping.push(clips);
        gone.push(unwritten);
        lines.push(out.length - 1);
        marked.push(lettered);
        under.push(lettered);
        e = e.firstElementChild;
      } else {
        while (e !== root && !e.nextElementSibling) {
          e = e.parentNode;
          path.pop();
          clipping.pop();
          gone.pop();
          lines.pop();
          marked.pop();
          under.pop();
        }
        e = e === root ? null : e.nextElementSibling;
      }
      parentUnder = under.length > 0 ? under[under.length - 1] : within;
      style = e && path[path.length - 1] ? getComputedStyle(e) : null;
      clippedIn = clipping.length > 0 ? clipping[clipping.length - 1] : clippedIn;
      laid = !!style && style.display != 'none';
      unwritten = !!e && (gone[gone.length - 1] || (!!style && style.display == 'none'));
    }
    return out.join('\u0001');
  },

  // letters(document): whether a style of the document may change what the
  // page shows of the first letter of a block ("::first-letter"): 2 where one
  // may hide it or show it alone (a "visibility"), 1 where one may only mask
  // it or keep white space around it, 0 where none does. A style sheet the
  // page may not read (from another site) may do anything.
  letters: function (document) {
    var found = 0;
    function rulesOf(sheet) {
      try {
        return sheet ? sheet.cssRules : null;
      } catch (e) {
        return null;
      }
    }
    function scan(rules) {
      if (!rules) {
        found = 2;
        return;
      }
      for (var i = 0; i < rules.length && found < 2; ++i) {
        var rule = rules[i];
        if (rule.cssRules) scan(rule.cssRules);
        if (rule.type == 3 /* import */) scan(rulesOf(rule.styleSheet));
        if (!rule.selectorText || !/first-letter/i.test(rule.selectorText) || !rule.style) continue;
        var style = rule.style;
        if (style.visibility || /var\(|(^|[;\s])all\s*:/i.test(style.cssText)) found = 2;
        else if (style.whiteSpace || style.getPropertyValue('-webkit-text-security')) found = 1;
      }
    }
    for (var i = 0; i < document.styleSheets.length && found < 2; ++i)
      scan(rulesOf(document.styleSheets[i]));
    return found;
  },

  // labelText(control): the texts of the control's LABEL elements, else the
  // text that runs on from it up to the next control or line break.
  labelText: function (control) {
    var text = '';
    for (var i = 0; control.labels && i < control.labels.length; ++i)
      text += control.labels[i].textContent;
    for (var n = control.nextSibling; n && !text.trim(); n = n.nextSibling) {
      if (n.nodeType == 1 && /^(INPUT|SELECT|TEXTAREA|BUTTON|BR)$/.test(n.nodeName))
        break;
      text += n.textContent;
    }
    return text;
  }
})
