import { launchBrowser, openPage, pageAddress } from './support/browser.mjs';
const address = await pageAddress('http');
const browser = await launchBrowser();
const { page } = await openPage(browser.context, address.url);
const cdp = await browser.context.newCDPSession(page);
for (const id of ['Text1_0','Label1_0','Label1_4','List1','Text2_0','Label1_1','Label1_3','Text2_2','Command1_0','announcement']) {
  const { result } = await cdp.send('Runtime.evaluate', { expression: `document.getElementById('${id}')` });
  const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { objectId: result.objectId, fetchRelatives: false });
  const n = nodes[0];
  console.log(id, n.ignored, n.role?.value, JSON.stringify(n.name?.value), JSON.stringify(n.description?.value), (n.properties||[]).map(p=>p.name+'='+JSON.stringify(p.value.value ?? p.value.relatedNodes?.map(r=>r.idref||r.backendDOMNodeId))).join(' '));
}
await browser.close(); await address.close();
